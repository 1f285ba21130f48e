#pragma once
// The window side of what the logic asks for (messages, focus, busy pointer, the drawing
// surface), for one window.
#include <vector>

#include "common/platform.h"
#include "ui/servicos.h"

class QWidget;

namespace varnesk::ui {

struct Circulo {
  float x, y, raio;  // twips
};

// What has been drawn on a window's surface since it was last cleared. The window paints the
// whole list at every repaint, so dots survive another window passing over them.
using SuperficieDesenho = std::vector<Circulo>;

class PlataformaQt final : public Platform {
 public:
  // `superficie` may be null for a window that draws nothing of its own.
  PlataformaQt(QWidget& janela, const ServicosUi& servicos, SuperficieDesenho* superficie);

  void showMessage(const std::string& text) override;
  void setFocus(const std::string& controlName) override;
  void setBusy(bool busy) override;
  void clearSurface() override;
  void drawCircle(float x, float y, float radius) override;

 private:
  QWidget* janelaNaTela() const;

  QWidget& janela_;
  const ServicosUi& servicos_;
  SuperficieDesenho* superficie_;
  bool ocupado_ = false;
};

}  // namespace varnesk::ui
