// A core file that reaches where core may not.
#include "reel/core/log.h"
#include "reel/system/network.h"

#include <QtWidgets/QWidget>
#include <curl/curl.h>
