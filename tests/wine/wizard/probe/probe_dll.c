/* An empty DLL put beside the wizard test program: found there only while the search includes it. */
int ShellaProbe(void) { return 1; }
