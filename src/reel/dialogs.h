// Dialogs: the presenter, alerts, timed alerts and control enabling.
#pragma once
