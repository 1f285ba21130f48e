#pragma once
// A histogram told in one sentence, for a screen reader and for a student who cannot see the
// projector: how many values it counts and of what, the range its classes cover, its highest
// class with the share it holds, and the mean and standard deviation as the window shows them.
// Each window fills one after every run or step; the front ends read the sentence out.
#include <string>
#include <vector>

namespace varnesk {

struct HistogramDescription {
  long long count = 0;  // the values counted
  std::string what;     // "médias amostrais", "valores da população"
  double start = 0.0;   // where the first class starts
  double classWidth = 0.0;
  std::vector<double> classes;  // what each class holds, counts or percentages alike
  int decimals = 2;             // of the class boundaries
  std::string mean, sd;         // as the window shows them

  // "Histograma de 1.000 médias amostrais, de 1,85 a 2,15; a classe mais alta, 1,95 a 2,00,
  // tem 18 %; média 2,000, dp 0,044": the range from the first class that holds a value to the
  // last. Empty when nothing is counted.
  std::string sentence(char separator) const;
  // "a classe mais alta, 1,95 a 2,00, tem 18 %": the leftmost of the highest ones.
  std::string highestClass(char separator) const;
  // "de 1,85 a 2,15".
  std::string range(char separator) const;
};

}  // namespace varnesk
