# The main window's image list: the files assets/icons/make_icons.py draws, named by their
# index (control/window/image_list.h names the indices; 3 is unused). The icon resources and the
# generator check both read this list.
set(CIRCUMVIA_IMAGE_LIST
    icon_00.png icon_01.png icon_02.png icon_04.png icon_05.png
    icon_06.png icon_07.png icon_08.png icon_09.png icon_10.png
)
