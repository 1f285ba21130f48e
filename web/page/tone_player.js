// "Ouvir o histograma": the core's tones played one after the other by Web Audio, each a sine
// that fades in and out over a few milliseconds, as the desktop's WAV file sounds.
/** @typedef {import('./core_types').Tone} Tone */

const FADE_SECONDS = 0.005;
const LOUDNESS = 0.5;
/** @type {AudioContext | null} */
let context = null;

/** @param {Tone[]} tones */
export function playTones(tones) {
  const Context = globalThis.AudioContext;
  if (!Context) return;
  context ??= new Context();
  void context.resume();
  let at = context.currentTime + 0.05;
  for (const tone of tones) {
    if (tone.frequency > 0) {
      const oscillator = context.createOscillator();
      const gain = context.createGain();
      oscillator.frequency.value = tone.frequency;
      gain.gain.setValueAtTime(0, at);
      gain.gain.linearRampToValueAtTime(LOUDNESS, at + FADE_SECONDS);
      gain.gain.setValueAtTime(LOUDNESS, at + tone.seconds - FADE_SECONDS);
      gain.gain.linearRampToValueAtTime(0, at + tone.seconds);
      oscillator.connect(gain).connect(context.destination);
      oscillator.start(at);
      oscillator.stop(at + tone.seconds);
    }
    at += tone.seconds;
  }
}
