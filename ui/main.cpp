#include "velmora_startup.h"

int main() {
    return velmora::RunApplication(VelmoraStartupRecord());
}
