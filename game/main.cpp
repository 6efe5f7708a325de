#include "Vandro.h"

#include "runtime/Application.h"

int main() { return vandro::RunProgram(vandro::VandroMain); }
