#pragma once

// ondalira-admin's school-server commands (server-init, server-status,
// server-upgrade): the whole run of the program for them.
int serverAdmin(int argc, char* argv[]);
