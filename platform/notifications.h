#pragma once
// Desktop notifications through the session bus's notification service. Without a
// service nothing is sent and nothing is reported. Nothing here waits for the service:
// the calls are sent and their answers taken when they come.
#include <cstdint>
#include <string>

namespace platform {

enum class Urgency { Low = 0, Normal = 1, Critical = 2 };

// Whether a notification service is on the session bus right now.
bool NotificationServiceAvailable();

// Shows a notification with the program's icon (picture `iconPicture`) in place of
// notification `replaces` (0: a new one). Texts are Windows-1252. Returns the
// notification's handle, for replacing and withdrawing it; 0 if there is no service.
uint32_t ShowNotification(const std::string& summary, const std::string& body, Urgency urgency,
                          uint32_t replaces, int iconPicture);
// Withdraws the notification of handle `id` (0: none), also one still on its way.
void CloseNotification(uint32_t id);

}  // namespace platform
