// What the one-file page carries inside itself, set on globalThis by its first script
// (tools/bundle.mjs): the worker's source, the default population gzipped in base64, the guide.
export interface EmbeddedPage { worker?: string; population?: string; guide?: string }

declare global {
  var VARNESK_EMBEDDED: EmbeddedPage | undefined;
}
