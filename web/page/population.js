// The default population that every simulation window reads at Load. The one-file page carries
// it gzipped inside itself; a served page finds it beside itself. Without it the core's Load
// reports the missing file, as the desktop program does.

/** @param {string} text */
function base64Bytes(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

/** @returns {Promise<Uint8Array<ArrayBuffer> | null>} */
export async function defaultPopulation(embedded = globalThis.VARNESK_EMBEDDED) {
  if (embedded?.population) {
    const stream = new Blob([base64Bytes(embedded.population)]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }
  try {
    const response = await fetch(new URL('populacao.txt', location.href));
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;
  }
}
