// File services: presence and path parts, folders and permissions, guarded removal, move and copy, listing, sizes and dates, workspace actions and file sniffing.
#pragma once
