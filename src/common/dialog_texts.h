#pragma once
// The words of the dialogs both editions show around the windows: their buttons and titles, and
// what the guide says when a copy of the program lacks it.
#include <array>
#include <string_view>

namespace varnesk::dialog_texts {

inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Cancelar";
inline constexpr std::string_view kClose = "Fechar";
inline constexpr std::string_view kAboutTitle = "Sobre o Varnesk";
inline constexpr std::string_view kGuideTitle = "Guia do professor — Varnesk";
inline constexpr std::string_view kGuideMissing =
    "O guia do professor não está disponível nesta cópia.";
// A call the program could not answer: the page tells the teacher and can go on no further.
inline constexpr std::string_view kCoreFailed =
    "O Varnesk encontrou um erro e não pode continuar nesta página. Recarregue a página (F5); "
    "se o erro voltar, abra o Varnesk em outro navegador.";

// By the names the page knows them.
struct Named {
  std::string_view name, text;
};
inline constexpr std::array<Named, 7> kAll{{{"ok", kOk},
                                            {"cancel", kCancel},
                                            {"close", kClose},
                                            {"aboutTitle", kAboutTitle},
                                            {"guideTitle", kGuideTitle},
                                            {"guideMissing", kGuideMissing},
                                            {"coreFailed", kCoreFailed}}};

}  // namespace varnesk::dialog_texts
