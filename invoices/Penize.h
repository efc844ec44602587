#pragma once
// VAT coefficient of a rate: rate / (rate + 100) to four places; 0 for rate 0.
double KoeficientDPH(int sazba);
