// bmk540ctl against private schedulers (being written).
