// A core file that reaches where core may not.
#include "reel/core/log.h"
#include "reel/files/listing.h"
#include "reel/network/network.h"

#include <QtWidgets/QWidget>
#include <curl/curl.h>
