#include "appearance/call_address.h"

// The callee may pop its arguments (stdcall) or leave them (cdecl); saving
// the stack pointer in a callee-saved register across the call and putting
// it back afterwards makes both right. The frame pointer serves as that
// register, and the other callee-saved registers are kept for the caller.
extern "C" uint32_t tzl_call_with_ten_arguments(uint32_t routine, const uint32_t* arguments);

asm(R"(
    .text
    .globl _tzl_call_with_ten_arguments
    .def _tzl_call_with_ten_arguments; .scl 2; .type 32; .endef
_tzl_call_with_ten_arguments:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl $10, %ecx
1:
    pushl -4(%esi,%ecx,4)
    decl %ecx
    jnz 1b
    call *8(%ebp)
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace tzl {

uint32_t CallAddress(Address routine, uint32_t argument1, uint32_t argument2, uint32_t argument3,
                     uint32_t argument4, uint32_t argument5, uint32_t argument6, uint32_t argument7,
                     uint32_t argument8, uint32_t argument9, uint32_t argument10) {
  const uint32_t arguments[10] = {argument1, argument2, argument3, argument4, argument5,
                                  argument6, argument7, argument8, argument9, argument10};
  return tzl_call_with_ten_arguments(routine, arguments);
}

}  // namespace tzl
