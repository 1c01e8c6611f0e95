#include "feedback/FeedbackLog.h"

Q_LOGGING_CATEGORY(feedbackLog, "tessarin.feedback", QtInfoMsg)
