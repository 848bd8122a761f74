// A host program built against an installed Veltrix.
#include <QApplication>
#include <QFile>
#include <cstdio>

#include <CommonStyle.h>
#include <QStyledPushButton.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(new CommonStyle);
    QStyledPushButton button(QStringLiteral("Hello"), nullptr);
    button.setButtonType(StyleHelper::GRADIENT_BLUE);
    button.show();
    // The look's application font, and the library's resources in a host of their own.
    const bool ok = QApplication::font().pointSize() == 11 && QFile::exists(QStringLiteral(":/StyleHelper/StyleHelper.ini"));
    std::printf(ok ? "consumer ok\n" : "consumer FAILED\n");
    return ok ? 0 : 1;
}
