#ifndef VELTRIXSTYLEPLUGIN_H
#define VELTRIXSTYLEPLUGIN_H

#include <QStylePlugin>

// Makes the library's looks available to any Qt program through
// QStyleFactory and the -style option: "VeltrixGradient" (GradientStyle),
// "VeltrixFlat" (FlatStyle) and "VeltrixCommon" (CommonStyle). The keys are
// listed in veltrixstyles.json.
class VeltrixStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "veltrixstyles.json")

public:
    explicit VeltrixStylePlugin(QObject *parent = nullptr);

    // QStyleFactory hands the key over lower-cased, while the keys are
    // written in mixed case, so any spelling of a key is accepted.
    QStyle *create(const QString &key) override;
};

#endif // VELTRIXSTYLEPLUGIN_H
