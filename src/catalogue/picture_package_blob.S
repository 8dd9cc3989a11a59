/* The built-in picture package, embedded byte for byte. */
    .section .rodata
    .global qm_picture_package_begin
    .global qm_picture_package_end
    .balign 16
qm_picture_package_begin:
    .incbin "Picture.pic"
qm_picture_package_end:
    .section .note.GNU-stack,"",@progbits
