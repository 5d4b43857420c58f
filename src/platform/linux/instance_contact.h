#pragma once

#include <string>

#include "app/instance_request.h"
#include "platform/linux/instance_socket.h"

// The token the desktop gave this start for the window it is to bring up: the X11
// startup-notification id, or the Wayland activation token; empty when there is none.
// Read before the toolkit takes it out of the environment.
std::string ActivationTokenFromEnvironment();

// Asks the instance that holds the lock at `lockPath` to carry out `request`. An
// instance that does not listen yet (it is still starting) is asked again for a few
// seconds; the whole ask takes ten seconds at most. `error` tells why on anything but Done.
InstanceSendResult AskRunningInstance(const std::string& lockPath, InstanceRequest request,
                                      const std::string& activationToken, std::string* error);
