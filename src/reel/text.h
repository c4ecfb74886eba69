// Text files: encodings, writing, reading and localisation files.
#pragma once
