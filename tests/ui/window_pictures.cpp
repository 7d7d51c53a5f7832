// Draws the geometry dialog, the About window and the landing-beam window into PNG files for
// the documentation, each under a plain caption bar with its title:
//   xvfb-run -a build-windows/tests/ui/window_pictures docs
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include "ui/Lt2.h"
#include "ui/ptl.h"
#include "ui/tb.h"

namespace {

QPixmap withCaption(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qWarning("window not exposed");
    QTest::qWait(100);
    const QPixmap client = window.grab();
    constexpr int kBar = 24;
    constexpr int kBorder = 2;
    QPixmap framed(client.width() + 2 * kBorder, client.height() + kBar + kBorder);
    framed.fill(QColor(0, 0, 128));
    QPainter paint(&framed);
    paint.drawPixmap(kBorder, kBar, client);
    QFont font = window.font();
    font.setPixelSize(13);
    font.setBold(true);
    paint.setFont(font);
    paint.setPen(Qt::white);
    paint.drawText(QRect(8, 0, framed.width() - 16, kBar), Qt::AlignLeft | Qt::AlignVCenter,
                   window.windowTitle());
    window.hide();
    return framed;
}

bool save(QWidget& window, const QDir& folder, const char* name) {
    const QString file = folder.filePath(QString::fromUtf8(name));
    const bool saved = withCaption(window).save(file);
    if (!saved) qWarning("cannot write %s", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    quendral::ui::TTBHS geometry;
    geometry.setDecimalSeparator('.');
    geometry.BitBtn1Click();
    quendral::ui::TAboutBox about;
    quendral::ui::Tptljs landingBeam;

    const bool saved = save(geometry, folder, "geometry-dialog.png") &&
                       save(about, folder, "about-window.png") &&
                       save(landingBeam, folder, "landing-beam-window.png");
    return saved ? 0 : 1;
}
