// The page's side of the worker: every call is a promise of the core's answer, and the page is
// told whenever calls start or stop running, to show the busy pointer meanwhile, and whenever the
// core fails: a call it could not answer, or the worker lost (it could not start, or broke).
/** @typedef {import('./core_types').CallTable} CallTable */
/** @typedef {import('./core_types').CoreReply} CoreReply */
/** @typedef {import('./core_types').ModuleCalls} ModuleCalls */
/** @typedef {import('./core_types').SessionCalls} SessionCalls */
/**
 * A call of `Calls` by its name, with that call's arguments, and its answer.
 * @template {CallTable} Calls
 * @typedef {<K extends keyof Calls>(call: K, ...args: Calls[K]['args']) => Promise<Calls[K]['answer']>} CallOf
 */
/**
 * A window's own object in the core.
 * @template {CallTable} Calls
 * @typedef {object} Session
 * @property {CallOf<Calls>} call
 * @property {CallOf<Calls>} ask a call that runs while the window keeps taking input
 * @property {() => Promise<unknown>} close
 */

// The core answers in JSON text, except for the texts it hands over as they are (the CSV, the
// tabulated statistics, the seed line): those stay strings.
/** @param {unknown} result @returns {unknown} */
export function decode(result) {
  if (typeof result !== 'string') return result;
  try {
    return JSON.parse(result);
  } catch {
    return result;
  }
}

export class CoreClient {
  /**
   * @param {Worker} worker
   * @param {(on: boolean) => void} [onBusy]
   * @param {(error: Error) => void} [onFailure]
   */
  constructor(worker, onBusy = () => {}, onFailure = () => {}) {
    this.worker = worker;
    this.onBusy = onBusy;
    this.onFailure = onFailure;
    /** @type {Map<number, { resolve: (answer: unknown) => void, reject: (error: Error) => void, busy: boolean }>} */
    this.pending = new Map();
    this.nextId = 1;
    this.running = 0;
    /** @type {Error | null} */
    this.lost = null;
    worker.onmessage = (/** @type {MessageEvent<CoreReply>} */ { data }) => this.answer(data);
    worker.onerror = (event) => this.lose(new Error(`varnesk worker: ${event.message ?? 'it could not start'}`));
  }

  /** @param {CoreReply} reply */
  answer({ id, result, error }) {
    const waiting = this.pending.get(id);
    if (!waiting) return;
    this.pending.delete(id);
    if (waiting.busy && --this.running === 0) this.onBusy(false);
    if (error === undefined) return waiting.resolve(decode(result));
    const failure = new Error(error);
    waiting.reject(failure);
    if (!this.lost) this.onFailure(failure);
  }

  // A worker that failed answers nothing more: every call waiting is refused, and every later one.
  /** @param {Error} error */
  lose(error) {
    this.lost = error;
    for (const id of [...this.pending.keys()]) this.answer({ id, error: error.message });
    this.onFailure(error);
  }

  // `busy`: the page waits for the answer; a closing window's farewell keeps nobody waiting.
  /**
   * @template T the answer's shape: the one core_types.d.ts gives the call sent
   * @param {Omit<import('./core_types').CoreRequest, 'id'>} message
   * @param {Transferable[]} transfer
   * @returns {Promise<T>}
   */
  send(message, transfer = [], busy = true) {
    if (this.lost) return Promise.reject(this.lost);
    const id = this.nextId++;
    if (busy && this.running++ === 0) this.onBusy(true);
    return new Promise((resolve, reject) => {
      // The core answers the call in that shape: its answer is taken as it comes.
      this.pending.set(id, { resolve: /** @type {(answer: unknown) => void} */ (resolve), reject, busy });
      this.worker.postMessage({ id, ...message }, transfer);
    });
  }

  /** @type {CallOf<ModuleCalls>} */
  call(call, ...args) {
    return this.send({ call, args });
  }

  // A question the page asks for its own layout, not a run the teacher waits for.
  /** @type {CallOf<ModuleCalls>} */
  ask(call, ...args) {
    return this.send({ call, args }, [], false);
  }

  // The population goes over without a copy: the page keeps no use for it.
  /** @param {Uint8Array<ArrayBuffer>} bytes @param {string} name @returns {Promise<boolean>} */
  setPopulation(bytes, name) {
    return this.send({ call: 'setPopulation', args: [bytes, name] }, [bytes.buffer]);
  }

  // A window's own object in the core ("Configuration", "Simulation", "Population", "Comparison").
  /**
   * @template {keyof SessionCalls} C
   * @param {C} className
   * @param {SessionCalls[C]['opened']} args
   * @returns {Promise<Session<SessionCalls[C]['calls']>>}
   */
  async open(className, ...args) {
    /** @type {number} */
    const session = await this.send({ call: 'open', args: [className, ...args] });
    return {
      call: sessionCall(this, session, true),
      // A call that runs while the window keeps taking input (a long comparison's steps).
      ask: sessionCall(this, session, false),
      close: () => this.send({ session, call: 'close' }, [], false),
    };
  }
}

/**
 * @template {CallTable} Calls
 * @param {CoreClient} core
 * @param {number} session
 * @param {boolean} busy
 * @returns {CallOf<Calls>}
 */
function sessionCall(core, session, busy) {
  return (call, ...args) => core.send({ session, call: String(call), args }, [], busy);
}
