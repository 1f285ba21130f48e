// What the simulation windows paint after a run, read back pixel by pixel at the places the
// models give in twips (15 twips to the pixel): a wrong scale, a frame off its place, columns
// or dots of the wrong place, size or colour all move or recolour these pixels.
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <map>

#include "apoio_janelas.h"
#include "ui/aplicacao.h"
#include "ui/form_simulacao.h"
#include "ui/pintor_grafico.h"

using namespace varnesk;
using namespace varnesk::ui;
using namespace varnesk::ui::teste;

namespace {
const QColor kVermelho(255, 0, 0), kVermelhoEscuro(128, 0, 0), kAzul(0, 0, 255), kPreto(0, 0, 0);

int px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

// The black outline, smoothed into the red fill or the background: neither of them.
bool contorno(const QColor& c) { return c.red() < 170 && c.green() < 120; }
}  // namespace

class DesenhoTest : public QObject {
  Q_OBJECT

  std::shared_ptr<Registro> registro_ = std::make_shared<Registro>();

  std::unique_ptr<FormSimulacao> abrir(TipoJanela tipo, const QString& repeticoes) {
    auto janela = std::make_unique<FormSimulacao>(tipo, servicosDeTeste(registro_, 7), nullptr);
    if (!janela->Load(QStringLiteral("10"), repeticoes)) qFatal("the window did not load");
    janela->show();
    return janela;
  }

  static QImage fotografar(QWidget& janela) {
    return janela.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // The plot frame, outlined in the window text colour at its place in the layout.
  static void verificarMoldura(const QImage& imagem, const Rect& moldura) {
    const int esquerda = px(moldura.left), topo = px(moldura.top);
    const int direita = px(moldura.left + moldura.width) - 1;
    const int base = px(moldura.top + moldura.height) - 1;
    for (const QPoint canto : {QPoint(esquerda, topo), QPoint(direita, topo), QPoint(direita, base)}) {
      QCOMPARE(imagem.pixelColor(canto), kPreto);
    }
    QVERIFY(imagem.pixelColor(esquerda - 1, topo - 1) != kPreto);
    QVERIFY(imagem.pixelColor(direita + 1, topo + 1) != kPreto);
  }

 private slots:
  void initTestCase() { prepararAplicacao(); }

  void instantaneaColunasEGrade() {
    auto janela = abrir(TipoJanela::Instantanea, QStringLiteral("1000"));
    clicar(janela.get(), "Command1");
    const QImage imagem = fotografar(*janela);
    const ChartModel& grafico = janela->logica().modelo().chart;
    verificarMoldura(imagem, grafico.Shape1);

    // Horizontal grid lines start 100 twips left of the frame, in the inactive caption colour.
    int linhas = 0;
    for (const Line& linha : grafico.LinhaGradeHorizontal) {
      if (!linha.visible) continue;
      const int x = px(linha.x1) + 2, y = px(linha.y1);
      QCOMPARE(imagem.pixelColor(x, y), kCorLegendaInativa);
      QVERIFY(imagem.pixelColor(x, y - 2) != kCorLegendaInativa);
      ++linhas;
    }
    QVERIFY(linhas >= 4);

    // Columns: red inside a dark red outline, exactly over their boxes.
    const int esquerdaMoldura = px(grafico.Shape1.left);
    int colunas = 0;
    for (const Rect& coluna : grafico.Coluna) {
      if (!coluna.visible || coluna.height < 6 * 15) continue;
      const int x0 = px(coluna.left), x1 = px(coluna.left + coluna.width) - 1;
      const int y0 = px(coluna.top), meioX = (x0 + x1) / 2;
      const int meioY = (y0 + px(coluna.top + coluna.height)) / 2;
      QCOMPARE(imagem.pixelColor(meioX, meioY), kVermelho);
      QCOMPARE(imagem.pixelColor(meioX, y0), kVermelhoEscuro);
      QCOMPARE(imagem.pixelColor(x1, meioY), kVermelhoEscuro);
      if (x0 != esquerdaMoldura) QCOMPARE(imagem.pixelColor(x0, meioY), kVermelhoEscuro);
      QVERIFY(imagem.pixelColor(meioX, y0 - 2) != kVermelho);
      ++colunas;
    }
    QVERIFY(colunas >= 5);

    // The instant window never shows its mean line.
    for (int y = 0; y < imagem.height(); ++y) {
      for (int x = 0; x < imagem.width(); ++x) QVERIFY(imagem.pixelColor(x, y) != kAzul);
    }
  }

  void passoAPassoPontosELinhaMedia() {
    auto janela = abrir(TipoJanela::PassoAPasso, QStringLiteral("150"));
    auto* simular = janela->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int clique = 0; clique < 150; ++clique) QTest::mouseClick(simular, Qt::LeftButton);
    const QImage imagem = fotografar(*janela);
    const ChartModel& grafico = janela->logica().modelo().chart;
    verificarMoldura(imagem, grafico.Shape1);

    // The mean line: three pixels wide, blue, over the dots.
    const int xMedia = px(grafico.MediaLIN.x1);
    const int yMedia = px((grafico.MediaLIN.y1 + grafico.MediaLIN.y2) / 2);
    int azuis = 0;
    for (int x = xMedia - 5; x <= xMedia + 5; ++x) azuis += imagem.pixelColor(x, yMedia) == kAzul;
    QCOMPARE(azuis, 3);
    QCOMPARE(imagem.pixelColor(xMedia, yMedia), kAzul);

    // The top dot of every stack: red inside, a dark outline on top, nothing red above it.
    std::map<int, Circulo> topos;
    for (const Circulo& c : janela->superficie()) {
      const int coluna = px(c.x);
      if (!topos.count(coluna) || c.y < topos.at(coluna).y) topos[coluna] = c;
    }
    QVERIFY(topos.size() >= 5);
    for (const auto& [coluna, c] : topos) {
      const int raio = px(c.raio), yCentro = px(c.y);
      QVERIFY(raio >= 3);
      if (std::abs(coluna - xMedia) <= raio + 2) continue;  // under the mean line
      QCOMPARE(imagem.pixelColor(coluna, yCentro), kVermelho);
      QVERIFY(imagem.pixelColor(coluna, yCentro - raio - 2) != kVermelho);
      bool delineado = false;
      for (int y = yCentro - raio - 1; y <= yCentro - raio + 1; ++y) {
        delineado = delineado || contorno(imagem.pixelColor(coluna, y));
      }
      QVERIFY2(delineado, qPrintable(QStringLiteral("no outline on the dot at x %1").arg(coluna)));
    }
  }
};

QTEST_MAIN(DesenhoTest)
#include "desenho_test.moc"
