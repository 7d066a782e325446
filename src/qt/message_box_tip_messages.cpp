#include "qt/message_box_tip_messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kwintel {

void MessageBoxTipMessages::ShowMessage(std::string_view text) {
  QMessageBox::warning(nullptr, QCoreApplication::applicationName(),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace kwintel
