#include "app/MistFoldManagerApplication.h"

START_JUCE_APPLICATION (MistFoldManagerApplication)
