[playlist]
File1=http://one.example/
Title1=First
Title1=Second
listtype=TV
