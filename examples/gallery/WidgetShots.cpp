// veltrix-gallery --widget-shots DIR: a picture of every widget class of the
// library, and a sample of each look, under every look, for the API
// reference. The docs build runs it at device pixel ratio 1 and 2, so the
// reference always shows what the code draws.
#include "WidgetShots.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>
#include <cstdio>

#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QInternationalizationHelper.h>
#include <QIpAdressEdit.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QPixmapButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledGroupBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "GalleryPages.h"
#include "GalleryStyles.h"

namespace {

// A top-level widget with a vertical layout and a small margin around it.
QWidget *frameWidget(QBoxLayout **layout)
{
    auto *widget = new QWidget;
    *layout = new QVBoxLayout(widget);
    (*layout)->setContentsMargins(10, 10, 10, 10);
    return widget;
}

// A row of joined buttons (see GalleryPages.h) that keeps to its buttons' width.
QWidget *buttonRow(const QStringList &texts, const QVector<int> &designs, int type)
{
    QWidget *row = buttonRow(texts, designs, type, nullptr);
    static_cast<QBoxLayout *>(row->layout())->addStretch(1);
    return row;
}

void addMenus(QMenuBar *bar)
{
    bar->addMenu(bar->style()->standardIcon(QStyle::SP_DirIcon), QStringLiteral("File"))
        ->addAction(QStringLiteral("Open"));
    bar->addMenu(QStringLiteral("Edit"))->addAction(QStringLiteral("Copy"));
    bar->addMenu(QStringLiteral("Tools"))->setEnabled(false);
}

QWidget *pushButtonTypes()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    const QMetaEnum types = buttonEnum("buttonType");
    for (int i = 0; i < types.keyCount(); ++i) {
        QStyledPushButton *button =
            styledButton(QString::fromLatin1(types.key(i)), types.value(i), StyleHelper::BD_DEFAULT, widget);
        grid->addWidget(button, i / 3, i % 3);
    }
    return widget;
}

QWidget *pushButtonDesigns()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    auto *single = new QHBoxLayout;
    single->addWidget(styledButton(QStringLiteral("BD_DEFAULT"), StyleHelper::GRADIENT_LIGHTGRAY,
                                   StyleHelper::BD_DEFAULT, widget));
    single->addStretch(1);
    layout->addLayout(single);
    layout->addWidget(buttonRow({ QStringLiteral("LEFT"), QStringLiteral("MID"), QStringLiteral("RIGHT") },
                                { StyleHelper::BD_GROUPBOX_SELECTION_LEFT, StyleHelper::BD_GROUPBOX_SELECTION_MID,
                                  StyleHelper::BD_GROUPBOX_SELECTION_RIGHT },
                                StyleHelper::GRADIENT_LIGHTGRAY));
    layout->addWidget(buttonRow({ QStringLiteral("TOP_ALL"), QStringLiteral("TOP_ALL"), QStringLiteral("TOP_ALL") },
                                QVector<int>(3, StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL),
                                StyleHelper::GRADIENT_BLUE));
    return widget;
}

// Two buttons with an icon: centred with the text, and at the left margin.
QWidget *iconButtons(Qt::LayoutDirection direction)
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    widget->setLayoutDirection(direction);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    const QIcon icon = widget->style()->standardIcon(QStyle::SP_DialogSaveButton);
    grid->addWidget(new QLabel(QStringLiteral("centred"), widget), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("BO_ICON_LEFT_ALIGNED"), widget), 0, 1);
    for (int column = 0; column < 2; ++column) {
        auto *button = new QStyledPushButton(icon, QStringLiteral("Save"), widget);
        button->setButtonType(StyleHelper::GRADIENT_BLUE);
        if (column == 1)
            button->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        button->setMinimumWidth(180);
        grid->addWidget(button, 1, column);
    }
    return widget;
}

QWidget *pushButtonIcons()
{
    return iconButtons(Qt::LeftToRight);
}

QWidget *pushButtonRightToLeft()
{
    return iconButtons(Qt::RightToLeft);
}

QWidget *comboBoxes()
{
    auto *widget = new QWidget;
    auto *form = new QFormLayout(widget);
    const struct
    {
        const char *label;
        StyleHelper::ButtonType type;
        bool items;
        bool enabled;
    } rows[] = {
        { "DEFAULT", StyleHelper::DEFAULT, true, true },
        { "GRADIENT_BLUE", StyleHelper::GRADIENT_BLUE, true, true },
        { "empty", StyleHelper::DEFAULT, false, true },
        { "disabled", StyleHelper::DEFAULT, true, false },
    };
    for (const auto &row : rows) {
        auto *box = new QStyledComboBox(widget);
        box->setButtonType(row.type);
        if (row.items)
            box->addItems({ QStringLiteral("Metres"), QStringLiteral("Feet") });
        box->setEnabled(row.enabled);
        box->setMinimumWidth(140);
        form->addRow(QString::fromLatin1(row.label), box);
    }
    return widget;
}

QWidget *groupBox()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    auto *box = new QStyledGroupBox(QStringLiteral("Connection"), widget);
    auto *boxLayout = new QVBoxLayout(box);
    auto *reconnect = new QCheckBox(QStringLiteral("Reconnect automatically"), box);
    reconnect->setChecked(true);
    boxLayout->addWidget(reconnect);
    boxLayout->addWidget(new QCheckBox(QStringLiteral("Use a proxy"), box));
    layout->addWidget(box);
    return widget;
}

QWidget *menuBars()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    widget->setMinimumWidth(360);
    layout->addWidget(new QLabel(QStringLiteral("QStyledMenuBar"), widget));
    auto *styled = new QStyledMenuBar(widget);
    addMenus(styled);
    layout->addWidget(styled);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("QMenuBar"), widget));
    auto *plain = new QMenuBar(widget);
    addMenus(plain);
    layout->addWidget(plain);
    return widget;
}

QWidget *frameLabels()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    layout->addWidget(new QFrameHeaderLabel(QStringLiteral("Network"), widget));
    layout->addWidget(new QFrameDescriptionLabel(QStringLiteral("How the program reaches its server."), widget));
    return widget;
}

QStyledHeader *plannerHeader()
{
    auto *header = new QStyledHeader;
    header->setApplicationTitle(QStringLiteral("Planner"));
    header->setApplicationSubTitle(QStringLiteral("Network sites"));
    addMenus(header->menuBar());
    return header;
}

// In a layout, as in a window: on its own the header keeps the 400 x 300
// pixels its form starts with.
QWidget *header()
{
    auto *window = new QWidget;
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plannerHeader());
    window->setFixedWidth(560);
    return window;
}

QWidget *slide()
{
    auto *slide = new QSlideMaster;
    slide->setTitle(QStringLiteral("Target"));
    slide->setSubTitle(QStringLiteral("Where the files are copied to. The folder is made when it does not exist."));
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Folder"), new QLineEdit(QStringLiteral("/srv/backup"), page));
    form->addRow(QString(), new QCheckBox(QStringLiteral("Keep older copies"), page));
    slide->setCentralWidget(page);
    slide->setFixedWidth(420);
    return slide;
}

QWidget *navigation()
{
    auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom);
    const QStringList titles{ QStringLiteral("Source"), QStringLiteral("Target"), QStringLiteral("Options"),
                              QStringLiteral("Summary") };
    for (int i = 0; i < titles.size(); ++i)
        steps->addNavigationButton(new QNavigationButton(i, titles.at(i)));
    steps->setCheckedButton(1); // steps 1 and 2 open, 2 checked, 3 and 4 still closed
    steps->setFixedWidth(220);
    return steps;
}

// A round play button of `logical` pixels at `ratio` device pixels each.
QPixmap playPixmap(int logical, qreal ratio)
{
    QPixmap pixmap(QSize(logical, logical) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2a, 0x6a, 0xb0));
    painter.drawEllipse(QRectF(1, 1, logical - 2, logical - 2));
    QPainterPath triangle;
    triangle.moveTo(logical * 0.4, logical * 0.3);
    triangle.lineTo(logical * 0.72, logical * 0.5);
    triangle.lineTo(logical * 0.4, logical * 0.7);
    triangle.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(triangle);
    return pixmap;
}

QWidget *pixmapButtons()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(new QLabel(QStringLiteral("1x pixmap"), widget), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("2x pixmap"), widget), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("disabled"), widget), 0, 2);
    grid->addWidget(new QPixmapButton(playPixmap(40, 1), widget), 1, 0);
    grid->addWidget(new QPixmapButton(playPixmap(40, 2), widget), 1, 1);
    auto *disabled = new QPixmapButton(playPixmap(40, 2), widget);
    disabled->setEnabled(false);
    grid->addWidget(disabled, 1, 2);
    return widget;
}

QWidget *elidedLabels()
{
    QBoxLayout *layout;
    QWidget *widget = frameWidget(&layout);
    const QString text = QStringLiteral("The server did not answer within 30 seconds. Check the address, the "
                                        "network cable and the firewall, then try once more.");
    for (int lines : { 4, 2 }) {
        auto *label = new QElidedLabel(text, widget);
        label->setFixedSize(260, lines * label->fontMetrics().lineSpacing());
        layout->addWidget(label);
    }
    return widget;
}

QWidget *ipAddresses()
{
    auto *widget = new QWidget;
    auto *form = new QFormLayout(widget);
    auto *v4 = new QIpAdressEdit(widget);
    v4->setIpAdress(QStringLiteral("192.168.0.1"));
    form->addRow(QStringLiteral("IPv4"), v4);
    auto *marked = new QIpAdressEdit(widget);
    marked->setIpAdress(QStringLiteral("10.0.300.1")); // 300 is no octet: the field is marked
    form->addRow(QStringLiteral("IPv4, one field marked"), marked);
    auto *v6 = new QIpAdressEdit(widget, QIpAdressEdit::IPv6);
    v6->setIpAdress(QStringLiteral("fe80:0:0:0:db8:0:0:1"));
    // The size hint gives each field only a line edit's minimum width.
    v6->setMinimumWidth(8 * (v6->fontMetrics().horizontalAdvance(QStringLiteral("dddd")) + 12));
    form->addRow(QStringLiteral("IPv6"), v6);
    return widget;
}

// The language menu the translation helper builds from the gallery's own
// catalogues.
QWidget *languageMenu()
{
    auto *menu = new QMenu;
    auto *i18n = new QInternationalizationHelper(QStringLiteral("English"), QStringLiteral("en"), menu);
    i18n->setDirectory(QStringLiteral(":/translations"));
    i18n->setFileName(QStringLiteral("gallery"));
    i18n->setTranslationContext(QStringLiteral("Gallery"));
    i18n->createMenu(menu, new QActionGroup(menu), true);
    return menu;
}

// What a window looks like: the header, steps and a few common widgets.
QWidget *lookSample()
{
    auto *widget = new QWidget;
    auto *outer = new QVBoxLayout(widget);
    outer->setContentsMargins(0, 0, 0, 10);
    outer->addWidget(plannerHeader());

    auto *body = new QHBoxLayout;
    body->setContentsMargins(10, 0, 10, 0);
    outer->addLayout(body);
    QWidget *steps = navigation();
    steps->setParent(widget);
    body->addWidget(steps, 0, Qt::AlignTop);

    auto *column = new QVBoxLayout;
    body->addLayout(column, 1);
    column->addWidget(new QFrameHeaderLabel(QStringLiteral("Target"), widget));
    column->addWidget(new QFrameDescriptionLabel(QStringLiteral("Where the files are copied to."), widget));
    auto *form = new QFormLayout;
    column->addLayout(form);
    form->addRow(QStringLiteral("Folder"), new QLineEdit(QStringLiteral("/srv/backup"), widget));
    auto *units = new QStyledComboBox(widget);
    units->addItems({ QStringLiteral("Every day"), QStringLiteral("Every week") });
    form->addRow(QStringLiteral("Copy"), units);
    auto *keep = new QCheckBox(QStringLiteral("Keep older copies"), widget);
    keep->setChecked(true);
    form->addRow(QString(), keep);
    form->addRow(QString(), new QCheckBox(QStringLiteral("Compress"), widget));
    column->addWidget(buttonRow({ QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month") },
                                { StyleHelper::BD_GROUPBOX_SELECTION_LEFT, StyleHelper::BD_GROUPBOX_SELECTION_MID,
                                  StyleHelper::BD_GROUPBOX_SELECTION_RIGHT },
                                StyleHelper::GRADIENT_LIGHTGRAY));
    column->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(new QStyledPushButton(QStringLiteral("Back"), widget));
    buttons->addWidget(styledButton(QStringLiteral("Next"), StyleHelper::GRADIENT_BLUE, StyleHelper::BD_DEFAULT, widget));
    column->addLayout(buttons);
    widget->setFixedWidth(640);
    return widget;
}

struct Shot
{
    const char *name;
    QWidget *(*create)();
};

const Shot shots[] = {
    { "look-sample", &lookSample },
    { "pushbutton-types", &pushButtonTypes },
    { "pushbutton-designs", &pushButtonDesigns },
    { "pushbutton-icons", &pushButtonIcons },
    { "pushbutton-rtl", &pushButtonRightToLeft },
    { "combobox", &comboBoxes },
    { "groupbox", &groupBox },
    { "menubar", &menuBars },
    { "frame-labels", &frameLabels },
    { "header", &header },
    { "slide", &slide },
    { "navigation", &navigation },
    { "pixmapbutton", &pixmapButtons },
    { "elidedlabel", &elidedLabels },
    { "ipaddress", &ipAddresses },
    { "language-menu", &languageMenu },
};

} // namespace

bool writeWidgetShots(const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return false;
    }
    // Every look starts from the same font: the library's styles set their
    // own when they are made, Fusion keeps the application's.
    const QFont initialFont = QApplication::font();
    bool ok = true;
    for (const QString &look : galleryStyleNames()) {
        QApplication::setFont(initialFont);
        QApplication::setStyle(createGalleryStyle(look));
        for (const Shot &shot : shots) {
            QWidget *widget = shot.create();
            widget->setAttribute(Qt::WA_DontShowOnScreen);
            widget->show();
            QApplication::processEvents();
            const QPixmap picture = widget->grab();
            delete widget;
            const qreal ratio = picture.devicePixelRatio();
            const QString scale = qFuzzyCompare(ratio, 1.0) ? QString() : QStringLiteral("@%1x").arg(ratio);
            const QString path =
                QDir(dir).absoluteFilePath(QStringLiteral("%1-%2%3.png").arg(QLatin1String(shot.name), look, scale));
            if (picture.save(path)) {
                std::printf("%s\n", qPrintable(path));
            } else {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    }
    return ok;
}
