// varnesk-json: the browser edition's calls run natively, so that a test holds the WebAssembly
// module to the same bytes. Reads one call a line on standard input, its name and arguments
// separated by tabs, as the worker names them ("Simulation" makes the session,
// "Simulation.load" calls it; a population's bytes are named by their file); writes one line
// per call: the answer as a JSON string literal (a number or true/false for the calls that
// answer one, null for a constructor). The population is written into the folder given as the
// one argument. `varnesk-json --calls` lists the calls, one a line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "call_arguments.h"
#include "comparison_session.h"
#include "configuration_session.h"
#include "interval_session.h"
#include "json_writer.h"
#include "module_calls.h"
#include "module_functions.h"
#include "planner_session.h"
#include "population_session.h"
#include "simulation_session.h"

namespace varnesk {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out(1);
  for (const char c : line) {
    if (c == '\t')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

// An argument from its text; a missing one is an empty text.
template <class T>
T fromText(const std::string& text) {
  if constexpr (std::is_same_v<T, std::string>)
    return text;
  else if constexpr (std::is_same_v<T, bool>)
    return text == "true";
  else if constexpr (std::is_same_v<T, int>)
    return std::stoi(text);
  else if constexpr (std::is_same_v<T, float>)
    return std::stof(text);
  else if constexpr (std::is_same_v<T, double>)
    return std::stod(text);
  else if constexpr (std::is_same_v<T, PopulationBytes>) {  // the bytes of the file named
    std::ifstream in(text, std::ios::binary);
    return PopulationBytes{{std::istreambuf_iterator<char>(in), {}}};
  }
}

template <class T>
std::string answerText(const T& answer) {
  if constexpr (std::is_same_v<T, std::string>)
    return jsonString(answer);
  else if constexpr (std::is_same_v<T, bool>)
    return answer ? "true" : "false";
  else
    return JsonWriter().value(static_cast<double>(answer)).take();
}

template <auto Method>
std::string answer(typename Call<Method>::Object& object, const Args& a) {
  using C = Call<Method>;
  using Arguments = typename C::Arguments;
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return answerText(C::invoke(
        object, fromText<std::tuple_element_t<I, Arguments>>(I < a.size() ? a[I] : "")...));
  }
  (std::make_index_sequence<std::tuple_size_v<Arguments>>{});
}

using Handler = std::function<std::string(const Args&)>;

struct Interpreter {
  explicit Interpreter(const std::filesystem::path& folder) : module(folder) {}

  ModuleFunctions module;
  std::tuple<std::unique_ptr<ConfigurationSession>, std::unique_ptr<SimulationSession>,
             std::unique_ptr<PopulationSession>, std::unique_ptr<ComparisonSession>,
             std::unique_ptr<IntervalSession>, std::unique_ptr<PlannerSession>>
      sessions;

  template <class Session>
  Session& session() {
    const auto& made = std::get<std::unique_ptr<Session>>(sessions);
    if (!made) throw std::invalid_argument("no such object yet");
    return *made;
  }
  template <class Session, class... Made>
  std::string make(Made&&... made) {
    std::get<std::unique_ptr<Session>>(sessions) =
        std::make_unique<Session>(std::forward<Made>(made)...);
    return "null";
  }

#define VARNESK_NATIVE_MODULE_CALL(name) \
  {#name, [this](const Args& a) { return answer<&ModuleFunctions::name>(module, a); }},
#define VARNESK_NATIVE_SESSION_CALL(Name, Class, name) \
  {#Name "." #name, [this](const Args& a) { return answer<&Class::name>(session<Class>(), a); }},
#define VARNESK_NATIVE_SESSION(Name, Class, CALLS) CALLS(VARNESK_NATIVE_SESSION_CALL, Name, Class)

  const std::map<std::string, Handler> calls{
      VARNESK_MODULE_CALLS(VARNESK_NATIVE_MODULE_CALL)  //
      VARNESK_SESSIONS(VARNESK_NATIVE_SESSION)
      // The objects, as the page makes them, with the core tests' fixed measure.
      {"Configuration", [this](const Args&) { return make<ConfigurationSession>(); }},
      {"Simulation",
       [this](const Args& a) {
         return make<SimulationSession>(a.at(0), a.at(1), a.at(2), fixedTextMeasure,
                                        module.population());
       }},
      {"Population",
       [this](const Args& a) {
         return make<PopulationSession>(a.at(0), fixedTextMeasure, module.population());
       }},
      {"Comparison",
       [this](const Args& a) {
         return make<ComparisonSession>(a.at(0), a.at(1), module.population());
       }},
      {"Intervals",
       [this](const Args& a) {
         return make<IntervalSession>(a.at(0), a.at(1), fixedTextMeasure, module.population());
       }},
      {"Planner",
       [this](const Args& a) {
         return make<PlannerSession>(a.at(0), a.at(1), fixedTextMeasure, module.population());
       }},
  };

  std::string call(const std::string& name, const Args& args) const {
    const auto found = calls.find(name);
    if (found == calls.end()) throw std::invalid_argument("unknown call: " + name);
    return found->second(args);
  }
};

}  // namespace
}  // namespace varnesk

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: varnesk-json FOLDER < calls\n       varnesk-json --calls\n", stderr);
    return 2;
  }
  varnesk::Interpreter interpreter(argv[1]);
  if (std::string_view(argv[1]) == "--calls") {
    for (const auto& [name, call] : interpreter.calls) std::cout << name << '\n';
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    std::vector<std::string> f = varnesk::fields(line);
    const std::string name = f.front();
    f.erase(f.begin());
    try {
      std::cout << interpreter.call(name, f) << '\n';
    } catch (const std::exception& e) {
      std::cerr << name << ": " << e.what() << '\n';
      return 1;
    }
  }
  return 0;
}
