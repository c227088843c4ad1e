#include "ui/velmora_startup.h"

int main() {
    return velmora::RunApplication(velmora::VelmoraStartupRecord());
}
