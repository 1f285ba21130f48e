// The core's module as the worker imports it (beside worker.js when served, inlined in the one-file
// page): emscripten's factory of the module. The worker reaches the module's calls and its
// sessions' classes by the names the page sends (web/CONTRACT.md), so the module is typed as what
// it is to the worker: named members, found and checked at run time.
import type { TextSize } from './core_types';

export type VarneskModule = Record<string, unknown> & {
  /** Hands the module the measure of its auto-sized labels' captions. */
  setMeasure(measure: (text: string) => TextSize): void;
};

export default function createVarnesk(): Promise<VarneskModule>;
