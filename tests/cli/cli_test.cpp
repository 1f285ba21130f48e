// varnesk-sim's contract, end to end: exit statuses, messages, output, reproducibility.
#include "apoio.h"

namespace {

TEST(VarneskSim, UsageAndSeeds) {
  EXPECT_EQ(runSim({}).status, 2);
  EXPECT_EQ(runSim({"-n", "5", "-r", "5", "--nada"}).status, 2);
  EXPECT_EQ(runSim({"-n", "5", "-r", "5", "--medias", "--histograma"}).status, 2);
  EXPECT_EQ(runSim({"--help"}).status, 0);
  EXPECT_EQ(runSim({"--version"}).status, 0);
  // A seed is a whole 64-bit number, nothing else; the order of the checks is the windows'.
  for (const auto& [seed, status] : std::map<std::string, int>{
           {"0", 0}, {"18446744073709551615", 0}, {"-1", 2}, {"18446744073709551616", 2}, {"1e3", 2},
           {"7abc", 2}, {"", 2}})
    EXPECT_EQ(runSim({"-n", "5", "-r", "3", "-s", seed}).status, status) << seed;
  EXPECT_EQ(runSim({"-n", "0", "-r", "0"}).err, "Preencha o campo: Tamanho da Amostra!\n");
}

TEST(VarneskSim, PanelMeansAndHistogramOfOneRun) {
  const TempFolder folder;
  const std::string five = folder / "cinco.txt";
  writeBytes(five, "1.5\n2.5\n3\n4\n4\n");
  EXPECT_EQ(runSim({"-n", "5", "-r", "20", "-p", five}).out,
            "Mínimo: 3.000\nQ1: 3.000\nMediana: 3.000\nQ3: 3.000\nMáximo: 3.000\nMédia: 3.000\ndp: 0.000\n");
  EXPECT_EQ(runSim({"-n", "2", "-r", "4", "-p", five, "-s", "2"}).out,
            "Mínimo: 2.250\nQ1: 2.500\nMediana: 3.375\nQ3: 3.875\nMáximo: 4.000\nMédia: 3.250\ndp: 0.736\n");
  const auto larger = runSim({"-n", "6", "-r", "5", "-p", five});
  EXPECT_EQ(larger.status, 1);
  EXPECT_NE(larger.err.find("5 valores"), std::string::npos);
  // A seed fixes the means of this version, whatever the machine.
  EXPECT_EQ(runSim({"-n", "10", "-r", "3", "-s", "42", "--medias"}).out, "2.19799995\n1.95899999\n1.91799998\n");

  // The histogram describes the same run as --medias: recount the means into its classes.
  const auto means = runSim({"-n", "30", "-r", "500", "-s", "3", "--medias"}).out;
  std::istringstream hist(runSim({"-n", "30", "-r", "500", "-s", "3", "--histograma"}).out), in(means);
  std::string header;
  std::getline(hist, header);
  EXPECT_EQ(header, "classe\tinicio\tcontagem");
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
