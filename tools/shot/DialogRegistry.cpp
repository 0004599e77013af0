// The dialog registry of kuvanto-shot.
#include "DialogRegistry.h"

namespace kuvanto {

QDialog* DialogRegistry::create(const QString& name, const DialogContext& context) const {
    const auto it = factories_.find(name);
    return it == factories_.end() ? nullptr : it->second(context);
}

QStringList DialogRegistry::names() const {
    QStringList out;
    for (const auto& entry : factories_) out << entry.first;
    return out;
}

}  // namespace kuvanto
