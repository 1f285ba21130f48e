// Population files as teachers and their spreadsheets bring them, through the reader and
// varnesk-sim: all values loaded and the reading told, or none with a message naming the file
// and the line, while the population read before stays whole.
#include "support.h"

#include "engine/paste_question.h"
#include "engine/population_choice.h"
#include "engine/population_preview.h"
#include "engine/population_prompts.h"

namespace {

enum Kind { Bytes,
            Missing,
            Folder,
            Fifo,
            Device };

struct HostileFile {
  std::string content;
  std::vector<double> values;  // the first values stored, when it loads
  std::string refusal = {};    // part of the message, when it is refused
  Kind kind = Bytes;
  std::size_t count = 0;                      // values stored, when more than those listed
  std::string column = {};                    // the column asked for
  std::string format = {};                    // how it was read: separator ('-' for none), mark, 'h' for a header, column
  CommaAnswer commas = CommaAnswer::Unknown;  // the teacher's answer, which varnesk-sim cannot give
  std::string preview = {};                   // what the chooser shows: '?' when it must ask, columns|..., /first row|...
};

std::string shown(const PopulationPreview& p) {
  std::string out = p.ambiguousCommas ? "?" : "";
  for (std::size_t k = 0; k < p.columns.size(); ++k)
    out += (k ? "|" : "") + std::string(k == p.suggested ? "*" : "") + p.columns[k];
  out += "/";
  for (std::size_t k = 0; !p.rows.empty() && k < p.rows[0].size(); ++k)
    out += (k ? "|" : "") + p.rows[0][k];
  return out;
}

std::string shape(const PopulationFormat& f) {
  return std::string(1, f.separator ? f.separator : '-') + f.decimalMark + (f.header ? "h" : "") +
         std::to_string(f.column);
}

std::string repeated(const std::string& piece, int times) {
  std::string out;
  while (times-- > 0) out += piece;
  return out;
}

const std::string kBad = "tem um valor inválido na linha ";
const HostileFile kFiles[] = {
    {"", {}, "Não foi possível abrir", Missing},
    {"", {}, "é uma pasta", Folder},
    {"", {}, "não é um arquivo comum", Fifo},
    {"", {}, "não é um arquivo comum", Device},
    {"", {}, "não tem nenhum valor"},
    {" \n\t\r\n  \n\n\r", {}, "não tem nenhum valor"},
    {"  1.5 ,\t2 \n\n 0.25,1.97", {1.5, 2, 0.25, 1.97}, "", Bytes, 0, "", ",.0"},
    {"\xEF\xBB\xBF"
     "2.35\r\n0.80\r\n",
     {2.35, 0.80}},
    {"2.35\r0.80\r1.97", {2.35, 0.80, 1.97}},
    {"-0\n+1.5\n2e-1\n1e6\n-1e6", {-0.0, 1.5, 0.2, 1e6, -1e6}},
    {"2,35\r\n\n 0,8\r1,5", {2.35, 0.8, 1.5}, "", Bytes, 0, "", "-,1"},
    {"2,35\n0.8", {2, 35, 0.8}},
    {"1,2,3", {1, 2, 3}, "", Bytes, 0, "", ",.0", {}, "*Coluna 1/1,2,3"},
    {"2,35\nx,y\n", {}, kBad + "2: \"x,y\""},
    {std::string(10 << 20, ' ') + "2.5", {2.5}},
    {repeated("2.5\n", 578000), {2.5}, "", Bytes, 578000},
    {repeated("2.5\n", 578001), {}, "mais de 578000"},
    {repeated("0.5,", 2 << 20), {}, "mais de 578000 valores"},
    {std::string(10 << 20, '7'), {}, kBad + "1: \"7777777777777777777777777777777777777777...\""},
    {std::string("2.35\n\0\0\n", 8), {}, kBad + "2: \"??\""},
    {"1.5\n1e400\n", {}, kBad + "2: \"1e400\""},
    {"1000000.01\n", {}, "fora do intervalo aceito na linha 1"},
    {"1\nnan\n", {}, kBad + "2: \"nan\""},
    {"1,5;2,3\n", {}, "tem 2 colunas (coluna 1, coluna 2). Indique qual delas ler", Bytes, 0, "", "", {}, "*Coluna 1|Coluna 2/1,5|2,3"},
    {"1,5;2,3\n", {2.3}, "", Bytes, 0, "2", ";,2"},
    {"taxa\n1.5\n", {1.5}, "", Bytes, 0, "", "-.h1"},
    {"2\n2,87\n", {2, 2.87}, "", Bytes, 0, "", "-,1"},  // a whole number beside decimal commas
    {"taxa\r\n2,35\r\n0,8\r\n", {2.35, 0.8}, "", Bytes, 0, "", "-,h1"},
    {"taxa,perda\n1,5\n2,5\n", {}, "é ambíguo: suas vírgulas podem separar colunas ou marcar decimais. Use ';'", Bytes, 0, "", "", {}, "?*taxa,perda/1,5"},
    {"taxa,perda\n1,5\n2,5\n", {1.5, 2.5}, "", Bytes, 0, "", "-,h1", CommaAnswer::DecimalMark, "?*taxa,perda/1,5"},
    {"taxa,perda\r\n1,5\r\n2,5\r\n", {5, 5}, "", Bytes, 0, "perda", ",.h2", CommaAnswer::Separator, "?*taxa|perda/1|5"},
    {"taxa,perda\n1,5\n2,5\n", {1, 2}, "", Bytes, 0, "1", ",.h1", CommaAnswer::Separator},
    {"taxa,perda\n1,5\n2,5\n", {}, "tem 2 colunas (\"taxa\", \"perda\")", Bytes, 0, "", "", CommaAnswer::Separator},
    {"2,5\n1,5\n", {2.5, 1.5}, "", Bytes, 0, "", "-,1", CommaAnswer::Separator, "*Coluna 1/2,5"},
    {"\xEF\xBB\xBFtaxa;perda\r\n\"1,5\";2\r\n2,25;\"3\";\r\n\r\n", {2, 3}, "", Bytes, 0, "perda", ";,h2"},
    {"turma;perda\nA;2,5\nB;1\n", {2.5, 1}, "", Bytes, 0, "perda", ";,h2", {}, "turma|*perda/A|2,5"},
    {"2,5;\n1;\n", {2.5, 1}, "", Bytes, 0, "", ";,1"},
    {"a;b\n1;2\n", {}, "tem 2 colunas (\"a\", \"b\")", Bytes, 0, "", "", {}, "*a|b/1|2"},
    {"a;b\n1;2\n", {}, "não tem a coluna \"c\". Suas colunas são: \"a\", \"b\".", Bytes, 0, "c"},
    {"a;b\n1;2\n3\n", {}, "tem um valor vazio na linha 3.", Bytes, 0, "b", "", {}, "*a|b/1|2"},
    {"\xEF\xBB\xBFn\xC3\xA3o;\"x;y\"\n\n3\n", {}, "tem um valor vazio na linha 3.", Bytes, 0, "2", "", {}, "*não|x;y/3|"},
    {"taxa\tperda\n1,5\t2\n", {1.5}, "", Bytes, 0, "taxa", "\t,h1"},
    {"\"1,5\",\"2,25\"\n\"3\"\n", {1.5, 2.25, 3}, "", Bytes, 0, "", ",,0"},
    // Every field quoted, separators inside: a period in a name is no decimal point.
    {"\"nome\";\"taxa\";\"outra\"\r\n\"Souza; Ana\";\"2,5\";\"3,1\"\r\n\"Lima\";\"1,25\";\"0,5\"\r\n\"Reis; J.\";\"3\";\"1\"\r\n", {2.5, 1.25, 3}, "", Bytes, 0, "2", ";,h2", {}, "nome|*taxa|outra/Souza; Ana|2,5|3,1"},
    {"\"nome\",\"taxa\"\n\"Silva, J.\",\"2,5\"\n\"Lima\",\"1\"\n", {2.5, 1}, "", Bytes, 0, "taxa", ",,h2"},
    {"\"nome\",\"taxa\"\n\"Silva, Ana\",\"2.5\"\n\"Reis, J.\",\"3\"\n", {2.5, 3}, "", Bytes, 0, "taxa", ",.h2"},
    {"\"nome\";\"taxa\"\n\"Souza; A.\";\"2.5\"\n", {2.5}, "", Bytes, 0, "2", ";.h2"},
    {"\"nome\";\"taxa\"\n\"Ana \"\"T.\"\" Souza\";\"2,5\"\n", {2.5}, "", Bytes, 0, "taxa", ";,h2", {}, "nome|*taxa/Ana \"T.\" Souza|2,5"},
    {"nome;taxa;outra\n\"J. Reis\";2;\"1,5\"\n", {2}, "", Bytes, 0, "2", ";.h2"},  // the column read has no comma
    {"nome;taxa;outra\n\"J. Reis\";2;\"1,5\"\n", {1.5}, "", Bytes, 0, "3", ";,h3"},
    {"5\" tubo;2,5\n7\" tubo;3\n", {2.5, 3}, "", Bytes, 0, "2", ";,2"},  // a quote inside a field is an inch
    {"\"taxa\",\"obs; nota\"\n2.5,1\n", {2.5}, "", Bytes, 0, "taxa", ",.h1"},
    {"\"nome\";\"taxa\"\n\"Souza\r\nAna\";\"2,5\"\n", {}, "tem uma quebra de linha dentro de um campo entre aspas na linha 2: \"Souza\". Tire", Bytes, 0, "taxa"},
    {"taxa;obs\n2,5;\"x\n\ny\"\n", {}, "quebra de linha dentro de um campo entre aspas na linha 2: \"x\"", Bytes, 0, "1"},
    {"1\nn\xC3\xA3o\xFF\x01\n", {}, kBad + "2: \"não??\". Esperava-se um número, como 2,35 ou 2.35."},
    {"1\n\xC2\xA0"
     "2.5\n",
     {},
     kBad + "2: \"\xC2\xA0"
            "2.5\""},
    {"1.5\r\n2\r\nx\r\n", {}, kBad + "3: \"x\""},
    {"1.5\r2\rx\r", {}, kBad + "3: \"x\""},
    {"1.5\n\xEF\xBB\xBF"
     "2\n",
     {},
     kBad + "2"},
    {std::string("\xFF\xFE"
                 "1\0.\0",
                 6),
     {},
     "UTF-16"},
    {std::string("\xFE\xFF\0"
                 "1\0.",
                 6),
     {},
     "UTF-16"},
    {"1.5\n2e", {}, kBad + "2: \"2e\""},
    {"1.5,\n2\n", {}, "tem um valor vazio na linha 1."},
};

void make(const HostileFile& f, const std::string& file) {
  if (f.kind != Device) std::filesystem::remove_all(file);
  if (f.kind == Bytes) writeBytes(file, f.content);
  if (f.kind == Folder) std::filesystem::create_directory(file);
  if (f.kind == Fifo) ::mkfifo(file.c_str(), 0600);
}

TEST(LerPopulacao, HostileFilesLoadWholeOrNotAtAll) {
  const TempFolder folder;
  for (const HostileFile& f : kFiles) {
    const std::string file = f.kind == Device ? "/dev/zero" : folder / "populacao.txt";
    SCOPED_TRACE(f.refusal + " " + f.content.substr(0, 20));
    make(f, file);
    Population store = populationOf(std::vector<double>(8, -7777));
    const PopulationReading r = LerPopulacao(file, store, {f.column, f.commas});
    if (!f.preview.empty()) {
      EXPECT_EQ(shown(previewPopulation(f.content, f.commas)), f.preview);
    }
    // The command line cannot answer the question about commas: it refuses where the teacher is asked.
    const bool asked = f.commas != CommaAnswer::Unknown && previewPopulation(f.content, {}).ambiguousCommas;
    const SimResult sim = runSim({"-n", "1", "-r", "5", "-s", "1", "-p", file, "--coluna", f.column});
    const SimResult described = runSim({"--descrever", "-p", file, "--coluna", f.column});
    ASSERT_EQ(r.ok, f.refusal.empty()) << r.message;
    if (r.ok) {
      const std::size_t count = f.count ? f.count : f.values.size();
      ASSERT_EQ(store.TamanhoPopulacao, count);
      for (std::size_t i = 0; i < f.values.size(); ++i) {
        EXPECT_EQ(store.Populacao[i + 1], f.values[i]);
        EXPECT_EQ(std::signbit(store.Populacao[i + 1]), std::signbit(f.values[i]));
      }
      if (count < 8) {
        EXPECT_EQ(store.Populacao[count + 1], -7777);
      }  // the earlier reading
      EXPECT_EQ(r.sum, f.count ? 2.5 * f.count : std::accumulate(f.values.begin(), f.values.end(), 0.0));
      if (asked) {
        EXPECT_THAT(sim.err, testing::HasSubstr("é ambíguo"));
        continue;
      }
      EXPECT_EQ(sim.status, 0) << sim.err;
      EXPECT_THAT(described.out, testing::StartsWith("N: " + std::to_string(count) + "\n"));
      if (!f.format.empty()) {
        EXPECT_EQ(shape(r.format), f.format);
      }
      continue;
    }
    EXPECT_NE(r.message.find("\"" + file + "\""), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(f.refusal), std::string::npos) << r.message;
    EXPECT_EQ(std::tuple(store.TamanhoPopulacao, store.Populacao[1], sim.status),
              std::tuple(8, -7777, 1));
    if (asked) continue;
    EXPECT_EQ(sim.err, r.message + "\n");
    EXPECT_EQ(described.err, sim.err);
  }
}

// The teacher's choice through a session: what each step leaves as the windows' source, what is
// kept for the next start, and what the teacher is told.
TEST(PopulationChoice, OnlyWholeReadingsReplaceTheChoiceAndAGoneFileFallsBack) {
  const TempFolder folder;
  const std::filesystem::path base = folder.path, own = base / "populacao.txt",
                              csv = base / "dados.csv", gone = base / "sumiu.csv",
                              pasted = base / "dados" / kPastedPopulationFile,
                              aside = base / "dados" / "populacao_colada_anterior.txt";
  const std::string label(kPastedName);
  writeBytes(own, "1\n2\n");
  writeBytes(csv, "taxa,perda\n1,5\n2,5\n");
  PopulationChoice choice(own);
  struct Step {
    std::function<std::string()> act;  // what the teacher is told, if anything
    std::filesystem::path file;        // the windows read afterwards
    std::string column, said;
  };
  const auto told = [](const PopulationReading& r) { return r.ok ? "" : r.message; };
  const Step steps[] = {
      {[&] { return told(choice.choose({csv, {}})); }, own, "", "é ambíguo"},
      {[&] { return told(choice.choose({csv, {"perda", CommaAnswer::Separator}})); }, csv, "perda", ""},
      {[&] { return told(choice.chooseText(pasted, "1\nx\n", {}, label)); }, csv, "perda", "O texto colado tem um valor inválido na linha 2: \"x\""},
      {[&] { return std::to_string(std::filesystem::exists(pasted)); }, csv, "perda", "0"},
      {[&] { return told(choice.chooseText(pasted, "3,5\n4\n", {}, label)); }, pasted, "", ""},
      // A second paste sets the first aside, so that "Desfazer troca de população" finds it.
      {[&] { return told(choice.chooseText(pasted, "9\n", {}, label)); }, pasted, "", ""},
      {[&] { return choice.undo().message; }, aside, "", "o texto colado, com 2 valores"},
      {[&] { return choice.undo().message; }, pasted, "", "o texto colado, com 1 valor"},
      {[&] { return told(choice.choose({base / "nada.txt", {}})); }, pasted, "", "Não foi possível abrir"},
      {[&] { return choice.restore({csv.string(), "1", CommaAnswer::Separator}).value_or(""); }, csv, "1", ""},
      {[&] { return choice.restore({}).value_or(""); }, own, "", ""},
      {[&] { return choice.restore({gone.string(), "2", {}}).value_or(""); }, own, "",
       "O arquivo de população escolhido (" + gone.string() +
           ") não foi encontrado. Usando a população padrão do programa."},
  };
  for (const Step& step : steps) {
    const std::string said = step.act();
    SCOPED_TRACE(said);
    if (step.said.empty()) {
      EXPECT_EQ(said, "");
    }
    EXPECT_THAT(said, testing::HasSubstr(step.said));
    EXPECT_EQ(choice.source().file, step.file);
    EXPECT_EQ(choice.source().options.column, step.column);
    // What is kept for the next start brings back the same source.
    PopulationChoice next(own);
    EXPECT_EQ(next.restore(choice.remembered()), std::nullopt);
    EXPECT_EQ(std::tuple(next.source().file, next.source().options.column, next.source().options.commas),
              std::tuple(choice.source().file, choice.source().options.column, choice.source().options.commas));
  }
  Population store;
  EXPECT_EQ(LerPopulacao(aside, store).sum, 7.5);  // the pasted text, kept as it was given
  EXPECT_EQ(PopulationChoice(own).undo().message, kNothingToUndo);
}

// Pasted text is "o texto colado" in every question, and a paste is described before it is used.
TEST(PastedText, IsNamedAsTextAndDescribedBeforeItReplacesThePopulation) {
  const std::string name(kPastedName);
  EXPECT_THAT(commaQuestion(name), testing::StartsWith("No texto colado, as vírgulas"));
  EXPECT_THAT(columnPrompt(name, 3), testing::StartsWith("O texto colado tem 3 colunas."));
  EXPECT_THAT(columnPrompt("a.csv", 3), testing::StartsWith("O arquivo \"a.csv\" tem 3 colunas."));
  for (const auto& [text, commas, question] : std::vector<std::tuple<std::string, CommaAnswer, std::optional<std::string>>>{
           {"0,5\n1,5\n", CommaAnswer::DecimalMark, "O texto colado tem 2 valores (média 1,000): 0,5; 1,5.\n\n"},
           {"1\n2\n3\n4\n5\n6\n7\n", CommaAnswer::Unknown, "O texto colado tem 7 valores (média 4,000): 1; 2; 3; 4; 5….\n\n"},
           {"2,5\n", CommaAnswer::DecimalMark, "O texto colado tem 1 valor (média 2,500): 2,5.\n\n"},
           {"Mínimo\tQ1\nx\ty\n", CommaAnswer::Unknown, std::nullopt}}) {
    const auto asked = pasteQuestion(text, {"", commas}, ',');
    EXPECT_EQ(asked.has_value(), question.has_value()) << text;
    EXPECT_THAT(asked.value_or(""), testing::StartsWith(question.value_or(""))) << text;
  }
}

}  // namespace
