// The module's interface to the page's worker, as embind exposes it: the calls of
// module_calls.h, every answer a JSON text (or a plain text to save, copy or show). The only
// file that knows emscripten; the rest of web/bindings builds natively as well, into
// varnesk-json.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <tuple>
#include <utility>

#include "call_arguments.h"
#include "comparison_session.h"
#include "configuration_session.h"
#include "interval_session.h"
#include "module_calls.h"
#include "module_functions.h"
#include "planner_session.h"
#include "population_session.h"
#include "simulation_session.h"

namespace varnesk {
namespace {

using emscripten::val;

// What the windows read at each Load, as the desktop program reads its chosen file: files in
// the module's own memory.
ModuleFunctions& moduleFunctions() {
  static ModuleFunctions functions("/");
  return functions;
}

// The measure for the sessions made without one of their own; none: the fixed one.
val& moduleMeasure() {
  static val measure = val::undefined();
  return measure;
}

void setMeasure(const val& function) { moduleMeasure() = function; }

// A JS function from a caption to {width, height} in twips.
TextMeasure measureFrom(const val& function) {
  const val chosen = function.isUndefined() || function.isNull() ? moduleMeasure() : function;
  if (chosen.isUndefined() || chosen.isNull()) return fixedTextMeasure;
  return [chosen](const std::string& caption) {
    const val size = chosen(caption);
    return SizeF{size["width"].as<float>(), size["height"].as<float>()};
  };
}

// The page may pass what a text box holds as a string or as a number; a population's bytes as
// a Uint8Array, an ArrayBuffer or a string.
template <class T>
T fromValue(const val& value) {
  if constexpr (std::is_same_v<T, std::string>)
    return value.isString() ? value.as<std::string>()
                            : val::global("String")(value).as<std::string>();
  else if constexpr (std::is_same_v<T, PopulationBytes>)
    return PopulationBytes{value.as<std::string>()};
  else
    return value.as<T>();
}

// embind hands a std::string to JS through a UTF-8 TextDecoder, which drops a leading
// byte-order mark; the CSVs start with one to tell a spreadsheet their encoding, so the mark is
// put back in front.
template <class T>
val toValue(const T& answer) {
  if constexpr (std::is_same_v<T, std::string>) {
    static const std::string kMark = "\xEF\xBB\xBF";
    if (answer.compare(0, kMark.size(), kMark) != 0) return val(answer);
    return val::global("String")
        .call<val>("fromCharCode", 0xFEFF)
        .call<val>("concat", val(answer.substr(kMark.size())));
  } else {
    return val(answer);
  }
}

// A call of the table as embind binds it: on `Object` (the module's class, or the module's own
// functions), one JS value per parameter.
template <class Object, auto Method,
          class = std::make_index_sequence<std::tuple_size_v<typename Call<Method>::Arguments>>>
struct Bound;

template <class Object, auto Method, std::size_t... I>
struct Bound<Object, Method, std::index_sequence<I...>> {
  template <std::size_t>
  using Value = val;
  using Arguments = typename Call<Method>::Arguments;
  static val method(Object& object, Value<I>... given) {
    return toValue(
        Call<Method>::invoke(object, fromValue<std::tuple_element_t<I, Arguments>>(given)...));
  }
  static val function(Value<I>... given) { return method(moduleFunctions(), given...); }
};

}  // namespace

// The module's objects, as the page makes them: a measure of the page's own, or the module's.
namespace js {

struct Configuration : ConfigurationSession {
  static void constructors(const emscripten::class_<Configuration>& c) { c.constructor<>(); }
};

struct Simulation : SimulationSession {
  Simulation(const std::string& kind, const std::string& seed, const std::string& separator)
      : Simulation(kind, seed, separator, val::undefined()) {}
  Simulation(const std::string& kind, const std::string& seed, const std::string& separator,
             const val& measure)
      : SimulationSession(kind, seed, separator, measureFrom(measure),
                          moduleFunctions().population()) {}
  static void constructors(const emscripten::class_<Simulation>& c) {
    c.constructor<std::string, std::string, std::string>()
        .constructor<std::string, std::string, std::string, val>();
  }
};

struct Population : PopulationSession {
  explicit Population(const std::string& separator) : Population(separator, val::undefined()) {}
  Population(const std::string& separator, const val& measure)
      : PopulationSession(separator, measureFrom(measure), moduleFunctions().population()) {}
  static void constructors(const emscripten::class_<Population>& c) {
    c.constructor<std::string>().constructor<std::string, val>();
  }
};

struct Comparison : ComparisonSession {
  Comparison(const std::string& seed, const std::string& separator)
      : ComparisonSession(seed, separator, moduleFunctions().population()) {}
  static void constructors(const emscripten::class_<Comparison>& c) {
    c.constructor<std::string, std::string>();
  }
};

// The two windows of how sure one sample is: their own seed, like the comparison's.
struct Intervals : IntervalSession {
  Intervals(const std::string& seed, const std::string& separator)
      : Intervals(seed, separator, val::undefined()) {}
  Intervals(const std::string& seed, const std::string& separator, const val& measure)
      : IntervalSession(seed, separator, measureFrom(measure), moduleFunctions().population()) {}
  static void constructors(const emscripten::class_<Intervals>& c) {
    c.constructor<std::string, std::string>().constructor<std::string, std::string, val>();
  }
};

struct Planner : PlannerSession {
  Planner(const std::string& seed, const std::string& separator)
      : Planner(seed, separator, val::undefined()) {}
  Planner(const std::string& seed, const std::string& separator, const val& measure)
      : PlannerSession(seed, separator, measureFrom(measure), moduleFunctions().population()) {}
  static void constructors(const emscripten::class_<Planner>& c) {
    c.constructor<std::string, std::string>().constructor<std::string, std::string, val>();
  }
};

}  // namespace js
}  // namespace varnesk

EMSCRIPTEN_BINDINGS(varnesk_core) {
  using namespace varnesk;
  emscripten::function("setMeasure", &setMeasure);
#define VARNESK_BIND_MODULE_CALL(name) \
  emscripten::function(#name, &Bound<ModuleFunctions, &ModuleFunctions::name>::function);
  VARNESK_MODULE_CALLS(VARNESK_BIND_MODULE_CALL)
#define VARNESK_BIND_SESSION_CALL(Name, Class, name) \
  bound.function(#name, &Bound<js::Name, &Class::name>::method);
#define VARNESK_BIND_SESSION(Name, Class, CALLS)     \
  {                                                  \
    const emscripten::class_<js::Name> bound(#Name); \
    js::Name::constructors(bound);                   \
    CALLS(VARNESK_BIND_SESSION_CALL, Name, Class)    \
  }
  VARNESK_SESSIONS(VARNESK_BIND_SESSION)
}
