// Resource ids of config.exe.
#pragma once

#define IDR_MAINFRAME 101
