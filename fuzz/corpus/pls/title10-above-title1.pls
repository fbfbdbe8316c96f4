[playlist]
Title10=Ten
File10=http://ten.example/
Title1=One
listtype=TV
File1=http://one.example/
