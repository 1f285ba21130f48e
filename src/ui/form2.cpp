#include "ui/form2.h"

#include "ui/population_opening.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>

#include "layout/window_layouts.h"
#include "ui/form3.h"
#include "ui/twips.h"

namespace varnesk::ui {

Form2::Form2(UiServices services) : WindowForm("Form2", std::move(services), nullptr) {
  connect(widgets_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          &Form2::startSimulation);
  connect(widgets_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &Form2::endProgram);
  acceptPopulationDrops(this, services_);
  Load();
  chrome_->afterLayout = [this] { Load(); };  // centred again at every zoom
}

void Form2::Load() {
  // Centred on the whole screen, in twips, without rounding: not on the window, which the
  // screen's work area and the window's border make narrower.
  const auto screenWidth = static_cast<float>(screen()->geometry().width() * kTwipsPerPixel);
  for (const char* name : {"Frame1", "Frame2"}) {
    QWidget* panel = widgets_[name];
    const float left =
        centredOnScreen(screenWidth, static_cast<float>(panel->width() * kTwipsPerPixel));
    panel->move(toWholePixels(left), panel->y());
  }
}

void Form2::startSimulation() { openModal(new Form3(services_, this), this); }

void Form2::endProgram() { services_.endProgram(); }

void Form2::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

}  // namespace varnesk::ui
