// The page's side of the worker: every call is a promise of the core's answer, and the page is
// told whenever calls start or stop running, to show the busy pointer meanwhile.

// The core answers in JSON text, except for the texts it hands over as they are (the CSV, the
// tabulated statistics, the seed line): those stay strings.
export function decode(result) {
  if (typeof result !== 'string') return result;
  try {
    return JSON.parse(result);
  } catch {
    return result;
  }
}

export class CoreClient {
  constructor(worker, onBusy = () => {}) {
    this.worker = worker;
    this.onBusy = onBusy;
    this.pending = new Map();
    this.nextId = 1;
    this.running = 0;
    worker.onmessage = ({ data }) => this.answer(data);
    worker.onerror = (event) => console.error('varnesk worker', event.message ?? event);
  }

  answer({ id, result, error }) {
    const waiting = this.pending.get(id);
    if (!waiting) return;
    this.pending.delete(id);
    if (waiting.busy && --this.running === 0) this.onBusy(false);
    if (error !== undefined) waiting.reject(new Error(error));
    else waiting.resolve(decode(result));
  }

  // `busy`: the page waits for the answer; a closing window's farewell keeps nobody waiting.
  send(message, transfer = [], busy = true) {
    const id = this.nextId++;
    if (busy && this.running++ === 0) this.onBusy(true);
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, busy });
      this.worker.postMessage({ id, ...message }, transfer);
    });
  }

  call(call, ...args) {
    return this.send({ call, args });
  }

  // A question the page asks for its own layout, not a run the teacher waits for.
  ask(call, ...args) {
    return this.send({ call, args }, [], false);
  }

  // The population goes over without a copy: the page keeps no use for it.
  setPopulation(bytes, name) {
    return this.send({ call: 'setPopulation', args: [bytes, name] }, [bytes.buffer]);
  }

  // A window's own object in the core ("Configuration", "Simulation", "Comparison").
  async open(className, ...args) {
    const session = await this.send({ call: 'open', args: [className, ...args] });
    return {
      call: (call, ...callArgs) => this.send({ session, call, args: callArgs }),
      // A call that runs while the window keeps taking input (a long comparison's steps).
      ask: (call, ...callArgs) => this.send({ session, call, args: callArgs }, [], false),
      close: () => this.send({ session, call: 'close' }, [], false),
    };
  }
}
