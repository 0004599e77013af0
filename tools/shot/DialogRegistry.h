// The dialogs kuvanto-shot can render with --dialog NAME: a map from a dialog's object name
// (optionally with a variant, "Angline_Insert_Form/dx") to a factory that builds it over the main
// window. Each layer registers its own dialogs in its own file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class QDialog;
class QWidget;

namespace kuvanto {

class CoordTable;
class Messenger;
class Workspace;

struct DialogContext {
    QWidget* parent;
    Workspace& work;
    Messenger& messenger;
};

class DialogRegistry {
public:
    using Factory = std::function<QDialog*(const DialogContext&)>;

    void add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }
    // The dialog, or null for an unknown name.
    QDialog* create(const QString& name, const DialogContext& context) const;
    QStringList names() const;

private:
    std::map<QString, Factory> factories_;
};

// The generator dialogs.
void registerShapeDialogs(DialogRegistry& registry);
// The editing dialogs, acting on `grid` (the shown coordinate table with its selection).
void registerEditingDialogs(DialogRegistry& registry, CoordTable& grid);
// The DXF import dialog over the drawing file (a made-up drawing when the path is empty).
void registerDrawingDialogs(DialogRegistry& registry, const QString& drawingFile);

// The dialog of the list of materials.
void registerMaterialDialogs(DialogRegistry& registry);

}  // namespace kuvanto
