#pragma once

#include <QStringList>
#include <QTranslator>
#include <QtGlobal>

namespace kelvane {

// Puts Kelvane's texts, and Qt's own (a message box's buttons, a text box's context menu), in
// the first of the given user-interface languages (most preferred first, as the system lists
// them) that Kelvane has; English, the language of the source texts, when it has none of them.
// The texts are in force while the object lives.
class Translations final {
    Q_DISABLE_COPY_MOVE(Translations)

  public:
    explicit Translations(const QStringList& languages);
    ~Translations() = default;

  private:
    QTranslator program_;
    QTranslator toolkit_;
};

}  // namespace kelvane
