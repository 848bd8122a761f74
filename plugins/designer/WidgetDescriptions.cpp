#include "WidgetDescriptions.h"

#include <QCoreApplication>
#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
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

#include "SlideMasterContainer.h"
#include "WidgetIcons.h"

namespace {

template <typename Widget>
QWidget *create(QWidget *parent)
{
    return new Widget(parent);
}

QWidget *createNavigationButtonGroup(QWidget *parent)
{
    // A group is always a row or a column; a new one is a row.
    return new QNavigationButtonGroup(QBoxLayout::LeftToRight, parent);
}

QWidget *createSlide(QWidget *parent)
{
    return createSlideMaster(parent);
}

#define VELTRIX_TEXT(text) QT_TRANSLATE_NOOP("VeltrixDesigner", text)

} // namespace

const QVector<WidgetDescription> &widgetDescriptions()
{
    using namespace WidgetIconPainters;
    static const QVector<WidgetDescription> descriptions = {
        {"QStyledPushButton", "QPushButton", VELTRIX_TEXT("Styled Push Button"),
         VELTRIX_TEXT("Push button with a Veltrix colour scheme and shape"),
         VELTRIX_TEXT("A push button whose colour scheme (buttonType), shape within a row of buttons "
                      "(buttonDesign) and icon placement (buttonOptions) the Veltrix styles read when "
                      "they paint it. Under other styles it is a plain push button."),
         "styledPushButton", QSize(120, 32), false,
         "<property name=\"text\"><string>Push Button</string></property>", "",
         &create<QStyledPushButton>, &pushButton},
        {"QStyledComboBox", "QComboBox", VELTRIX_TEXT("Styled Combo Box"),
         VELTRIX_TEXT("Combo box with a Veltrix colour scheme and shape"),
         VELTRIX_TEXT("A combo box with the same buttonType and buttonDesign as the styled push "
                      "button. It hides its drop-down arrow while it is empty or disabled."),
         "styledComboBox", QSize(140, 28), false, "", "", &create<QStyledComboBox>, &comboBox},
        {"QStyledGroupBox", "QGroupBox", VELTRIX_TEXT("Styled Group Box"),
         VELTRIX_TEXT("Group box of the Veltrix widget family"),
         VELTRIX_TEXT("A group box with a class of its own, so that style sheets and code can tell "
                      "the library's group boxes apart. Drop widgets into it like into any group box."),
         "styledGroupBox", QSize(220, 140), true,
         "<property name=\"title\"><string>Group Box</string></property>", "",
         &create<QStyledGroupBox>, &groupBox},
        {"QStyledMenuBar", "QMenuBar", VELTRIX_TEXT("Styled Menu Bar"),
         VELTRIX_TEXT("Menu bar drawn in the Veltrix look"),
         VELTRIX_TEXT("A menu bar that the Veltrix styles give a fixed height, their font and their "
                      "menu-bar item look. Its menus are added in code."),
         "styledMenuBar", QSize(300, 30), false, "", "", &create<QStyledMenuBar>, &menuBar},
        {"QFrameHeaderLabel", "QLabel", VELTRIX_TEXT("Frame Header Label"),
         VELTRIX_TEXT("Heading of a page or frame"),
         VELTRIX_TEXT("A label for headings: the Veltrix styles give it a large demi-bold font in "
                      "their heading colour."),
         "frameHeaderLabel", QSize(220, 32), false,
         "<property name=\"text\"><string>Header</string></property>", "",
         &create<QFrameHeaderLabel>, &headerLabel},
        {"QFrameDescriptionLabel", "QLabel", VELTRIX_TEXT("Frame Description Label"),
         VELTRIX_TEXT("Description text under a frame header"),
         VELTRIX_TEXT("A label for the description under a frame header label; the flat look "
                      "enlarges its font, the gradient look leaves it a plain label."),
         "frameDescriptionLabel", QSize(260, 40), false,
         "<property name=\"text\"><string>Description</string></property>", "",
         &create<QFrameDescriptionLabel>, &descriptionLabel},
        {"QStyledHeader", "QWidget", VELTRIX_TEXT("Styled Header"),
         VELTRIX_TEXT("Application header with title, subtitle, logo and menu bar"),
         VELTRIX_TEXT("An application header band: title and subtitle (applicationTitle, "
                      "applicationSubTitle) on the left, the look's logo on the right and the "
                      "application's menu bar underneath, filled in code through menuBar()."),
         "styledHeader", QSize(480, 90), false, "", "", &create<QStyledHeader>, &header},
        {"QSlideMaster", "QFrame", VELTRIX_TEXT("Slide Master"),
         VELTRIX_TEXT("Page with a title, a subtitle and one content area"),
         VELTRIX_TEXT("A page template: a title line, a word-wrapped subtitle and the page's "
                      "content underneath, which takes the remaining height. Drop and lay out the "
                      "content inside the page area; it becomes the slide's central widget."),
         "slideMaster", QSize(360, 260), true,
         "<property name=\"title\"><string>Title</string></property>"
         "<property name=\"subTitle\"><string>Subtitle</string></property>",
         "<widget class=\"QWidget\" name=\"slidePage\"/>", &createSlide, &slideMaster},
        {"QNavigationButton", "QAbstractButton", VELTRIX_TEXT("Navigation Button"),
         VELTRIX_TEXT("One numbered step of a navigation bar"),
         VELTRIX_TEXT("A checkable step of a step-by-step navigation bar; the Veltrix styles draw "
                      "its number (from id) in a badge before the text. A new step is disabled "
                      "until the application or its navigation button group enables it."),
         "navigationButton", QSize(160, 40), false,
         "<property name=\"text\"><string>Step</string></property>"
         "<property name=\"id\"><number>0</number></property>",
         "", &create<QNavigationButton>, &navigationButton},
        {"QNavigationButtonGroup", "QWidget", VELTRIX_TEXT("Navigation Button Group"),
         VELTRIX_TEXT("Row of navigation steps that are enabled step by step"),
         VELTRIX_TEXT("Lays out navigation buttons in a row, links them as predecessor and "
                      "successor and enables and checks them as the user advances. Steps are added "
                      "in code with addNavigationButton()."),
         "navigationButtonGroup", QSize(360, 48), false, "", "", &createNavigationButtonGroup,
         &navigationButtonGroup},
        {"QPixmapButton", "QAbstractButton", VELTRIX_TEXT("Pixmap Button"),
         VELTRIX_TEXT("Clickable picture"),
         VELTRIX_TEXT("A button without text whose face is its pixmap, shown at the pixmap's own "
                      "size; the size hint follows the pixmap."),
         "pixmapButton", QSize(48, 48), false, "", "", &create<QPixmapButton>, &pixmapButton},
        {"QElidedLabel", "QLabel", VELTRIX_TEXT("Elided Label"),
         VELTRIX_TEXT("Label that cuts its text with an ellipsis where it does not fit"),
         VELTRIX_TEXT("A plain-text label that wraps its text over the lines its height allows and "
                      "ends the last visible line with an ellipsis when text is left over "
                      "(isElided, elisionChanged)."),
         "elidedLabel", QSize(220, 40), false,
         "<property name=\"text\"><string>Elided Label</string></property>", "",
         &create<QElidedLabel>, &elidedLabel},
        {"QIpAdressEdit", "QWidget", VELTRIX_TEXT("IP Address Edit"),
         VELTRIX_TEXT("IPv4 or IPv6 address entry"),
         VELTRIX_TEXT("An address entry with one validated field per octet (IPv4) or group (IPv6); "
                      "the delimiter and Backspace keys move between the fields. Set ipType and, "
                      "optionally, a complete ipAdress."),
         "ipAdressEdit", QSize(200, 26), false, "", "", &create<QIpAdressEdit>, &ipAdressEdit},
    };
    return descriptions;
}
