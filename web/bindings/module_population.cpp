#include "module_population.h"

#include "engine/paste_question.h"
#include "engine/population_preview.h"
#include "engine/population_prompts.h"
#include "json_writer.h"
#include "module_functions.h"

namespace varnesk {
namespace {

CommaAnswer commaAnswer(const std::string& text) {
  return text == "decimal"     ? CommaAnswer::DecimalMark
         : text == "separator" ? CommaAnswer::Separator
                               : CommaAnswer::Unknown;
}

// A name the page gives becomes a file name of its own, without folders; pasted text has none.
std::string fileName(const std::string& name) {
  std::string out = std::filesystem::path(name).filename().string();
  if (out.empty() || out == "." || out == "..") out = kPastedPopulationFile;
  return out;
}

std::string shownName(const std::string& name) {
  return name.empty() ? std::string(kPastedName) : fileName(name);
}

}  // namespace

ModulePopulation::ModulePopulation(const std::filesystem::path& folder)
    : folder_(folder), choice_(folder / "populacao.txt") {}

bool ModulePopulation::setProgramOwn(std::string_view bytes) {
  return writePopulation(folder_ / "populacao.txt", bytes);
}

std::string ModulePopulation::preview(std::string_view bytes, const std::string& name,
                                      const std::string& commas) const {
  const PopulationPreview p = previewPopulation(bytes, commaAnswer(commas));
  JsonWriter json;
  json.beginObject().key("ambiguousCommas").value(p.ambiguousCommas).key("columns").beginArray();
  for (const std::string& column : p.columns) json.value(column);
  json.endArray().key("rows").beginArray();
  for (const auto& row : p.rows) {
    json.beginArray();
    for (const std::string& field : row) json.value(field);
    json.endArray();
  }
  json.endArray()
      .key("suggested")
      .value(static_cast<long long>(p.suggested))
      .key("question")
      .value(commaQuestion(shownName(name)));
  json.key("prompt").value(columnPrompt(shownName(name), p.columns.size()));
  json.key("captions").beginObject().key("decimal").value(kCommaDecimal);
  json.key("separator").value(kCommaSeparator).key("cancel").value(kCancel);
  json.key("title").value(kColumnTitle).key("use").value(kUseColumn).endObject();
  return json.endObject().take();
}

std::string ModulePopulation::choose(std::string_view bytes, const std::string& name,
                                     const std::string& column, const std::string& commas) {
  const std::filesystem::path file = folder_ / "escolhida" / fileName(name);
  // The module's own folders mean nothing to the teacher: the messages name what the page showed.
  const PopulationReading r =
      choice_.chooseText(file, bytes, {column, commaAnswer(commas)}, shownName(name));
  JsonWriter json;
  json.beginObject().key("ok").value(r.ok);
  json.key("message").value(r.ok ? chosenMessage(shownName(name), r.count) : r.message);
  json.key("count").value(static_cast<long long>(r.count)).key("file").value(file.string());
  if (r.ok && bytes.size() > kPageMemoryLimit)
    json.key("unremembered").value(notRememberedMessage(kPageMemoryLimit));
  return json.endObject().take();
}

std::string ModulePopulation::pasteQuestion(std::string_view bytes, const std::string& column,
                                            const std::string& commas,
                                            const std::string& separator) const {
  const auto question =
      varnesk::pasteQuestion(bytes, {column, commaAnswer(commas)}, separator == "," ? ',' : '.');
  JsonWriter json;
  json.beginObject().key("question");
  if (question)
    json.value(*question);
  else
    json.null();
  json.key("use").value(kUsePasted).key("cancel").value(kCancel);
  return json.endObject().take();
}

std::string ModulePopulation::undo() {
  const PopulationReading r = choice_.undo();
  JsonWriter json;
  json.beginObject().key("ok").value(r.ok).key("message").value(r.message);
  return json.endObject().take();
}

std::string ModulePopulation::useProgramOwn() {
  choice_.useProgramOwn();
  JsonWriter json;
  json.beginObject().key("ok").value(true).key("message").value(programOwnMessage());
  return json.endObject().take();
}

}  // namespace varnesk
