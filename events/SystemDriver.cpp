#include "SystemDriver.h"

#include "runtime/Exceptions.h"

namespace vandro {

int TSystemDriver::Poll() { AbstractMethod(); }
int TSystemDriver::Wait() { AbstractMethod(); }
int TSystemDriver::MoveMouse(int, int) { AbstractMethod(); }
int TSystemDriver::SetMouseVisible(int) { AbstractMethod(); }
int TSystemDriver::Notify(const String&, int) { AbstractMethod(); }
int TSystemDriver::Confirm(const String&, int) { AbstractMethod(); }
int TSystemDriver::Proceed(const String&, int) { AbstractMethod(); }
String TSystemDriver::RequestFile(const String&, const String&, int, const String&) {
    AbstractMethod();
}
String TSystemDriver::RequestDir(const String&, const String&) { AbstractMethod(); }
int TSystemDriver::OpenURL(const String&) { AbstractMethod(); }

} // namespace vandro
