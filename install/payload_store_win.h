// Payload store: inflating the zlib items embedded as "TEXT" resources and writing them as files.
#pragma once

// Returns zlib's code (0 = Z_OK); on success *inflatedLength holds the inflated size.
int InflatePayload(unsigned short item, unsigned char* destination, unsigned long capacity,
                   unsigned long* inflatedLength);

// Writes bytes to InstallFolder\fileName, or to explicitPath when it is not null. 1 = written in full.
int WritePayloadFile(const char* fileName, const unsigned char* bytes, unsigned long length, int readOnly,
                     int hidden, const char* explicitPath);

// InflatePayload then WritePayloadFile. 1 = written in full; 0 leaves the disk untouched on inflate failure.
int ExtractPayload(unsigned short item, const char* fileName, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden, const char* explicitPath);
