# The main window's image list: the files assets/icons/make_icons.py draws, named by their
# index (control/window/image_list.h names the indices; 3 is unused). The icon resources and the
# generator check both read this list.
set(CIRCUMVIA_IMAGE_LIST
    icon_00.png icon_01.png icon_02.png icon_04.png icon_05.png
    icon_06.png icon_07.png icon_08.png icon_09.png icon_10.png
    # The same at double size, for screens of double density.
    icon_00@2x.png icon_01@2x.png icon_02@2x.png icon_04@2x.png icon_05@2x.png
    icon_06@2x.png icon_07@2x.png icon_08@2x.png icon_09@2x.png icon_10@2x.png
)
