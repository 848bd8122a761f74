// The first program of the README and the getting-started page. The build
// compiles and links it as veltrix-doc-first-program; it runs until its
// window is closed, so the tests do not start it.
//! [main]
#include <QApplication>
#include <CommonStyle.h>
#include <QStyledPushButton.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(new CommonStyle);   // or GradientStyle / FlatStyle
    QStyledPushButton button(QStringLiteral("Hello"), nullptr);
    button.setButtonType(StyleHelper::GRADIENT_BLUE);
    button.show();
    return app.exec();
}
//! [main]
