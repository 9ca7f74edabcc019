#pragma once
#define IDI_VELMORA 101
