// The page's module of every window the core's registry lists, by the window's name: the core
// describes the window (its layout, its menu, the object to open), the module makes it.
import { ComparisonWindow } from './comparison_window.js';
import { IntervalWindow } from './interval_window.js';
import { PlannerWindow } from './planner_window.js';
import { PopulationWindow } from './population_window.js';
import { SimulationWindow } from './simulation_window.js';
import { ConfigurationWindow, StartWindow } from './start_windows.js';

/** @typedef {import('./app_window.js').AppWindow} AppWindow */
/** @typedef {import('./core_types').WindowName} WindowName */
/**
 * What opening each window takes besides the page and the core's description of it: a simulation
 * window and the intervals', the configuration screen's two texts and the window to tell of a
 * refused load; the sample size's, that window alone; the population's, where the population
 * comes from.
 * @typedef {object} OpenArgsOf
 * @property {[]} Form2
 * @property {[]} Form3
 * @property {[sampleSize: string, repetitions: string, opener: AppWindow]} form1
 * @property {[sampleSize: string, repetitions: string, opener: AppWindow]} Form4
 * @property {[]} ComparisonForm
 * @property {[openSource: import('./population_window.js').OpenSource]} PopulationForm
 * @property {[sampleSize: string, repetitions: string, opener: AppWindow]} IntervalForm
 * @property {[opener: AppWindow]} PlannerForm
 */
/** @template {WindowName} N @typedef {OpenArgsOf[N]} OpenArgs */
/**
 * A window's module: it makes the window the core describes under that name, or none.
 * @template {WindowName} N
 * @typedef {object} WindowModule
 * @property {(app: import('./main.js').App, described: import('./core_types').WindowDescription<N>, ...args: OpenArgs<N>) =>
 *   Promise<AppWindow | null>} create
 */

/** @type {{ [N in WindowName]: WindowModule<N> }} */
export const windowModules = {
  Form2: StartWindow,
  Form3: ConfigurationWindow,
  form1: SimulationWindow,
  Form4: SimulationWindow,
  ComparisonForm: ComparisonWindow,
  PopulationForm: PopulationWindow,
  IntervalForm: IntervalWindow,
  PlannerForm: PlannerWindow,
};
