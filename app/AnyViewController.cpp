#include "app/AnyViewController.h"

#include "platform/KeyFeedback.h"

namespace ratio {

void AnyViewController::anyButtonTouchDown() {
    KeyFeedback::selectionChanged();
    KeyFeedback::playSystemSound(KeyFeedback::keyClickSound);
}

} // namespace ratio
