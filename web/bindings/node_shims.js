// Put before the module's code. This emscripten writes its node path for CommonJS, where
// __dirname and require exist; an ES module under node has neither. The module needs no file
// beside it (the wasm is inside it), so its folder may stay empty; node's built-ins come from
// process.getBuiltinModule where node has it (20.16 and later). Without it only a seed from the
// clock under node misses them (the browser and node 19+ give crypto.getRandomValues).
var __dirname = "";
var require = function (name) {
  if (typeof process == "object" && typeof process.getBuiltinModule == "function")
    return process.getBuiltinModule(name);
  throw new Error("módulo do node indisponível: " + name);
};
