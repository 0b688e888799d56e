// TEMPORARY placeholders until install/ implements these; delete each as its real definition lands.
#include "install/payload_store_win.h"
int InflatePayload(unsigned short, unsigned char*, unsigned long, unsigned long*) { return -2; }
int WritePayloadFile(const char*, const unsigned char*, unsigned long, int, int, const char*) { return 0; }
int ExtractPayload(unsigned short, const char*, unsigned char*, unsigned long, int, int, const char*) { return 0; }
