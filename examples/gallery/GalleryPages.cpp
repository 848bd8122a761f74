#include "GalleryPages.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMetaProperty>

#include <QStyledPushButton.h>

#include <algorithm>

namespace {
QVector<GalleryPage> &registry()
{
    static QVector<GalleryPage> pages;
    return pages;
}
} // namespace

GalleryPageRegistration::GalleryPageRegistration(const GalleryPage &page)
{
    auto &pages = registry();
    const auto pos = std::upper_bound(pages.begin(), pages.end(), page,
                                      [](const GalleryPage &a, const GalleryPage &b) { return a.order < b.order; });
    pages.insert(pos, page);
}

const QVector<GalleryPage> &galleryPages()
{
    return registry();
}

QMetaEnum buttonEnum(const char *property)
{
    const QMetaObject &meta = QStyledPushButton::staticMetaObject;
    return meta.property(meta.indexOfProperty(property)).enumerator();
}

QStyledPushButton *styledButton(const QString &text, int type, int design, QWidget *parent)
{
    auto *button = new QStyledPushButton(text, parent);
    button->setButtonType(StyleHelper::ButtonType(type));
    button->setButtonDesign(StyleHelper::ButtonDesign(design));
    return button;
}

QWidget *buttonRow(const QStringList &texts, const QVector<int> &designs, int type, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *group = new QButtonGroup(row);
    for (int i = 0; i < texts.size(); ++i) {
        QStyledPushButton *button = styledButton(texts.at(i), type, designs.at(i), row);
        button->setCheckable(true);
        button->setChecked(i == 0);
        group->addButton(button);
        layout->addWidget(button);
    }
    return row;
}
