#ifndef QSTYLEDHEADERFORM_H
#define QSTYLEDHEADERFORM_H

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class QVBoxLayout;
class QWidget;

// The header's form: the layouts, spacers and labels of its title row, built
// the way a Designer form would be. Owned and deleted by QStyledHeader; the
// widgets and layouts it points to are children of the header.
class QStyledHeaderForm
{
public:
    QVBoxLayout *verticalLayout = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QSpacerItem *leftSpacer = nullptr;
    QLabel *appTitleLabel = nullptr;
    QLabel *appNameLabel = nullptr;
    QSpacerItem *middleSpacer = nullptr;
    QLabel *appLogoLabel = nullptr;
    QSpacerItem *rightSpacer = nullptr;

    void setupUi(QWidget *header);
    void retranslateUi(QWidget *header);
};

#endif // QSTYLEDHEADERFORM_H
