/* Resource numbers of the pictures the program carries; shared by tessaro.rc and the program. */
#pragma once

#define ResRulerHand 101
#define ResMainBackground 102
#define ResShortGuide 103
#define ResArrowUp 104
#define ResArrowDown 105
#define ResArrowLeft 106
#define ResArrowRight 107
#define ResPlus 108
#define ResMinus 109
#define ResMagnifier 110
