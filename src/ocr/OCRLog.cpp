#include "ocr/OCRLog.h"

Q_LOGGING_CATEGORY(ocrLog, "tessarin.ocr", QtInfoMsg)
