// Settings-file commands of bmk540ctl (being written).
