#include "platform/qt/UntrappedErrorHandler.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace kelvane {

namespace {

struct PlainWords {
    QString headline;
    QString advice;
};

// Error numbers mean nothing to a player, so each error is told by what happened and what to do.
PlainWords Explain(const RuntimeError& error) {
    switch (error.Number()) {
        case errors::kOverflow:
            return {QCoreApplication::translate("UntrappedErrorHandler", "Overflow"),
                    QCoreApplication::translate("UntrappedErrorHandler",
                                                "The number of dice and the number of sides must "
                                                "each lie between -32768 and 32767.")};
        case errors::kInvalidArgument:
            return {QCoreApplication::translate("UntrappedErrorHandler", "Invalid value"),
                    QCoreApplication::translate("UntrappedErrorHandler",
                                                "Kelvane could not use a value this command "
                                                "needs. Check the boxes and try again.")};
        case errors::kFileNotFound:
            return {QCoreApplication::translate("UntrappedErrorHandler", "File not found"),
                    QCoreApplication::translate(
                        "UntrappedErrorHandler",
                        "A program or file this command needs could not be found.")};
        case errors::kOutOfMemory:
            return {QCoreApplication::translate("UntrappedErrorHandler", "Out of memory"),
                    QCoreApplication::translate("UntrappedErrorHandler",
                                                "There was not enough memory to finish this "
                                                "command. Roll fewer dice or close other "
                                                "programs, then try again.")};
        default:
            return {QCoreApplication::translate("UntrappedErrorHandler", "Something went wrong"),
                    QCoreApplication::translate("UntrappedErrorHandler",
                                                "Kelvane could not finish this command. You can "
                                                "go on using it; if this happens again, restart "
                                                "Kelvane.")};
    }
}

}  // namespace

void UntrappedErrorHandler::Report(QWidget* parent, const RuntimeError& error) noexcept {
    const PlainWords words = Explain(error);
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), words.headline,
                    QMessageBox::Ok, parent);
    box.setInformativeText(words.advice);
    box.exec();
}

}  // namespace kelvane
