#pragma once
// How a call of the module's table takes its arguments and gives its answer, by their C++
// types, whatever hands them over (embind's values, varnesk-json's texts): `Call<&Class::name>`
// names the class, the answer and the parameters of a member function.
#include <string>
#include <tuple>
#include <type_traits>

namespace varnesk {

template <auto Method>
struct Call;

template <class Class, class Answer, class... Parameters, Answer (Class::*Method)(Parameters...)>
struct Call<Method> {
  using Object = Class;
  using Result = Answer;
  using Arguments = std::tuple<std::decay_t<Parameters>...>;
  template <class... Given>
  static Answer invoke(Class& object, Given&&... given) {
    return (object.*Method)(std::forward<Given>(given)...);
  }
};

template <class Class, class Answer, class... Parameters,
          Answer (Class::*Method)(Parameters...) const>
struct Call<Method> {
  using Object = const Class;
  using Result = Answer;
  using Arguments = std::tuple<std::decay_t<Parameters>...>;
  template <class... Given>
  static Answer invoke(const Class& object, Given&&... given) {
    return (object.*Method)(std::forward<Given>(given)...);
  }
};

}  // namespace varnesk
