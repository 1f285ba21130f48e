// varnesk-sim's contract, end to end: exit statuses, messages, output, reproducibility.
#include "support.h"

namespace {

TEST(VarneskSim, UsageAndSeeds) {
  // A seed is a whole 64-bit number, nothing else; the order of the checks is the windows'.
  const auto seeded = [](const char* seed) { return std::vector<std::string>{"-n", "5", "-r", "3", "-s", seed}; };
  for (const auto& [args, status] : std::vector<std::pair<std::vector<std::string>, int>>{
           {{}, 2}, {{"-n", "5", "-r", "5", "--nada"}, 2}, {{"-n", "5", "-r", "5", "--medias", "--histograma"}, 2}, {{"--help"}, 0}, {{"--version"}, 0}, {seeded("0"), 0}, {seeded("18446744073709551615"), 0}, {seeded("-1"), 2}, {seeded("18446744073709551616"), 2}, {seeded("1e3"), 2}, {seeded("7abc"), 2}, {seeded(""), 2}})
    EXPECT_EQ(runSim(args).status, status) << ::testing::PrintToString(args);
  EXPECT_EQ(runSim({"-n", "0", "-r", "0"}).err, "Preencha o campo: Tamanho da Amostra!\n");
  // Which run of the seed: from 1, and only with a seed.
  for (const auto& [args, status] : std::vector<std::pair<std::vector<std::string>, int>>{{{"-n", "5", "-r", "3", "-s", "7", "--simulacao", "3"}, 0}, {{"-n", "5", "-r", "3", "-s", "7", "--simulacao", "0"}, 2}, {{"-n", "5", "-r", "3", "-s", "7", "--simulacao", "x"}, 2}, {{"-n", "5", "-r", "3", "--simulacao", "2"}, 2}})
    EXPECT_EQ(runSim(args).status, status) << args.back();
}

TEST(VarneskSim, ComparisonChecksInTheWindowsOrderWithTheirStatuses) {
  const TempFolder folder;
  const std::string five = folder / "cinco.txt", missing = folder / "nada.txt";
  writeBytes(five, "1\n2\n3\n4\n5\n");
  // The list, the seed, the repetitions, the population, each size against it: the first refusal wins.
  for (const auto& [args, status, message] : std::vector<std::tuple<std::vector<std::string>, int, std::string>>{
           {{"--comparar", "2,x", "-r", "0", "-s", "x", "-p", missing}, 2, "--comparar: Tamanho de amostra inválido"},
           {{"--comparar", "2,6", "-r", "0", "-s", "x", "-p", missing}, 2, "--semente: \"x\""},
           {{"--comparar", "2,6", "-r", "0", "-p", missing}, 2, "Preencha o campo: Número de Repetições!\n"},
           {{"--comparar", "2,6", "-r", "3", "-p", missing}, 1, "Não foi possível abrir"},
           {{"--comparar", "2,6", "-r", "3", "-p", five}, 2, "--comparar: Tamanho da Amostra maior"}}) {
    const SimResult r = runSim(args);
    EXPECT_TRUE(r.status == status && r.err.starts_with(message) && r.out.empty()) << r.status << " " << r.err;
  }
  EXPECT_EQ(runSim({"--comparar", "5", "-r", "3", "-p", five}).out,  // "-" for n = N
            "n\tmedia\tdp\tep\tep_fpc\trazao\n5\t3\t0\t0.632456\t0\t-\n");
}

TEST(VarneskSim, PanelMeansAndHistogramOfOneRun) {
  const TempFolder folder;
  const std::string five = folder / "cinco.txt";
  writeBytes(five, "1.5\n2.5\n3\n4\n4\n");
  EXPECT_EQ(runSim({"-n", "2", "-r", "4", "-p", five, "-s", "2"}).out,
            "Mínimo: 2.250\nQ1: 2.500\nMediana: 3.375\nQ3: 3.875\nMáximo: 4.000\nMédia: 3.250\ndp: 0.736\n");
  const auto larger = runSim({"-n", "6", "-r", "5", "-p", five});
  EXPECT_TRUE(larger.status == 1 && larger.err.find("5 valores") != std::string::npos) << larger.err;

  // The histogram describes the same run as --medias: recount the means into its classes.
  const auto means = runSim({"-n", "100", "-r", "500", "-s", "3", "--medias"}).out;  // classes of 0.05
  std::istringstream hist(runSim({"-n", "100", "-r", "500", "-s", "3", "--histograma"}).out), in(means);
  std::string header;
  EXPECT_TRUE(std::getline(hist, header) && header == "classe\tinicio\tcontagem");
  std::vector<double> starts;
  std::vector<int> counts, recount;
  for (int c, n; hist >> c >> starts.emplace_back() >> n;) counts.push_back(n);
  starts.pop_back();
  recount.assign(counts.size(), 0);
  for (double m; in >> m;)
    ++recount[std::upper_bound(starts.begin() + 1, starts.end(), m) - starts.begin() - 1];
  EXPECT_EQ(counts, recount);
  EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 500);
}

}  // namespace
